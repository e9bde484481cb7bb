#include "warehouse/runs/WriteBackCommand.h"

#include <QMainWindow>
#include <memory>

#include "data/BatchRepository.h"
#include "jobs/JobRunner.h"
#include "warehouse/runs/JobMessageBoxes.h"
#include "warehouse/runs/LogWindow.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

WriteBackCommand::WriteBackCommand(widgets::AppContext& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_runner(new jobs::JobRunner(messageBoxesOf(ctx.notifier), this)) {
    connect(m_runner, &jobs::JobRunner::runningChanged, this, &WriteBackCommand::runningChanged);
}

WriteBackCommand::~WriteBackCommand() = default;

bool WriteBackCommand::running() const { return m_runner->running(); }

void WriteBackCommand::start(const jobs::WriteBackTarget& target, const QList<jobs::WriteBackItem>& items, int current,
                             Completion done) {
    if (running()) return;
    if (auto* log = qobject_cast<LogWindow*>(m_ctx.registry.show(widgets::WindowId::Log))) {
        widgets::ShowChildForm(log);
        log->setText(QString());
        log->follow(*m_runner);
    }
    // The question is a box of this thread; the worker waits for its answer.
    const jobs::WriteBackQuestion onThisThread = askWithBox(m_ctx.notifier, m_ctx.mainWindow);
    jobs::WriteBackQuestion ask = [this, onThisThread] {
        jobs::WriteBackChoice choice = jobs::WriteBackChoice::Cancel;
        QMetaObject::invokeMethod(
            this, [&] { choice = onThisThread(); }, Qt::BlockingQueuedConnection);
        return choice;
    };
    auto result = std::make_shared<jobs::WriteBackResult>();
    m_runner->start([=](jobs::JobControl& job) { *result = jobs::runWriteBack(target, items, current, ask, job); },
                    [this, result, done = std::move(done)] {
                        if (m_ctx.registry.existing(widgets::WindowId::Log))
                            m_ctx.registry.show(widgets::WindowId::Log);
                        if (done) done(*result);
                    });
}

QList<jobs::WriteBackItem> writeBackItems(widgets::AppContext& ctx) {
    QList<jobs::WriteBackItem> items;
    for (const data::WarehouseItem& item : data::BatchRepository(ctx.cnn).items())
        items.append({item.item, item.itemId, item.orderQty, item.reorderPoint, item.singlePeriod});
    return items;
}

}  // namespace tervalo::warehouse
