#include "warehouse/import/ImportData.h"

#include "core/RuntimeError.h"
#include "data/SchemaRepository.h"
#include "platform/Clock.h"
#include "warehouse/import/DataSourceDialog.h"
#include "widgets/AppContext.h"
#include "widgets/InputCheckMessage.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

DataSourceDialog* showDataSourceDialog(widgets::AppContext& ctx) {
    auto* dialog = ctx.registry.instanceAs<DataSourceDialog>(widgets::WindowId::DataSource);
    if (!dialog) return nullptr;
    QList<data::SchemaColumn> schema;
    try {
        schema = data::SchemaRepository(ctx.cnn).allColumns();
    } catch (const core::RuntimeError&) {
        // A closed connection: the structure view stays empty.
    }
    dialog->createRS(schema);
    ctx.registry.show(widgets::WindowId::DataSource);
    return dialog;
}

// The return type is spelt from tervalo: clang-format 14 reads a definition
// that begins with "import::" as a module import and flattens its body.
tervalo::import::ImportOutcome importData(widgets::AppContext& ctx, QWidget* parent, const QString& dataType,
                                          const QString& dataPath) {
    import::ImportOutcome outcome =
        import::ImportService::importFolder(ctx.cnn, dataType, dataPath, ctx.clock.now().date());
    if (outcome.notice) widgets::showFailedCheck(parent, ctx.notifier, *outcome.notice, nullptr);
    return outcome;
}

}  // namespace tervalo::warehouse
