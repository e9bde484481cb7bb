#pragma once
// ImportData as the item card runs it when the data source dialog closes with
// Yes: the import of the folder (ImportService) dated by the program's clock,
// then the one box its outcome asks for (the note about Access, or the folder
// that cannot be read). The caller shows the log and refreshes the card.
#include <QString>

#include "import/ImportService.h"

class QWidget;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::warehouse {

class DataSourceDialog;

// ShowImportDialog: hands the column list of the main database to the data
// source dialog's default instance (an empty list when it cannot be read) and
// shows the dialog modeless.
DataSourceDialog* showDataSourceDialog(widgets::AppContext& ctx);

import::ImportOutcome importData(widgets::AppContext& ctx, QWidget* parent, const QString& dataType,
                                 const QString& dataPath);

}  // namespace tervalo::warehouse
