#include "warehouse/runs/BatchAnalysis.h"

#include <QMainWindow>
#include <memory>

#include "core/RuntimeError.h"
#include "jobs/BatchJob.h"
#include "jobs/ItemAnalysis.h"
#include "jobs/JobRunner.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "warehouse/runs/JobMessageBoxes.h"
#include "warehouse/runs/LogWindow.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::warehouse {

namespace {

constexpr widgets::WindowId kLogForm = widgets::WindowId::Log;
constexpr widgets::WindowId kModelForm = widgets::WindowId::SinglePeriodC;
const QString kConfirm = QStringLiteral(
    "Analyze all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just the current "
    "item.\r\nClick Cancel to do nothing.");

}  // namespace

BatchAnalysis::BatchAnalysis(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator, QObject* parent)
    : QObject(parent),
      m_ctx(ctx),
      m_calculator(calculator),
      m_runner(new jobs::JobRunner(messageBoxesOf(ctx.notifier), this)) {
    connect(m_runner, &jobs::JobRunner::runningChanged, this, &BatchAnalysis::runningChanged);
}

BatchAnalysis::~BatchAnalysis() = default;

bool BatchAnalysis::running() const { return m_runner->running() || m_currentRunning; }

void BatchAnalysis::command(const std::optional<data::WarehouseItem>& current, int itemCount, Completion done) {
    if (!current || running()) return;
    using platform::MsgButtons;
    using platform::MsgIcon;
    using platform::MsgResult;
    const BatchOutcome unchanged;
    if (itemCount < 1) {
        m_ctx.notifier.show(m_ctx.mainWindow, QStringLiteral("No data in the database."),
                            QStringLiteral("No data available"), MsgIcon::Exclamation);
        if (done) done(unchanged);
        return;
    }
    // Cancel is the default: Enter alone must not rewrite every item.
    const MsgResult answer = m_ctx.notifier.ask(m_ctx.mainWindow, kConfirm, QStringLiteral("Confirmation"),
                                                MsgIcon::None, MsgButtons::YesNoCancel, MsgResult::Cancel);
    if (LogWindow* log = openLog()) log->setText(QString());
    if (answer == MsgResult::Yes) return startAll(std::move(done));
    if (answer == MsgResult::No) return runCurrent(*current, std::move(done));
    if (LogWindow* log = logWindow()) log->setText(QStringLiteral("Canceled"));
    if (done) done(unchanged);
}

void BatchAnalysis::startAll(Completion done) {
    if (running()) return;
    if (LogWindow* log = openLog()) log->follow(*m_runner);
    jobs::BatchJobSettings settings;
    if (m_ctx.cnn.isOpen()) settings.connectionString = m_ctx.cnn.connectionString();
    settings.day = m_ctx.clock.today();
    auto result = std::make_shared<jobs::BatchJobResult>();
    const jobs::SinglePeriodCalculator& calculator = m_calculator;
    m_runner->start([settings, &calculator,
                     result](jobs::JobControl& control) { *result = jobs::runAllItems(settings, calculator, control); },
                    [this, result, done = std::move(done)] {
                        bringLogToFront();
                        if (done) done({result->saved, result->lastItem});
                    });
}

void BatchAnalysis::runCurrent(const data::WarehouseItem& item, Completion done) {
    if (running()) return;
    m_currentRunning = true;
    emit runningChanged(true);
    if (LogWindow* log = openLog()) log->setText(QString());

    jobs::ItemAnalysisContext context;
    context.currentItem = true;
    std::vector<data::SalesYear> years;
    context.sales = [this, &item, &years](data::SalesTable table) -> const std::vector<data::SalesYear>& {
        years = data::BatchRepository(m_ctx.cnn).salesOf(import::fieldText(item.itemId), table, jobs::kYearsAnalysed);
        return years;
    };
    // The open single-period window (a new one when none is open) computes
    // in view and stays on screen with the item's calculation.
    context.runModel = [this](const jobs::ModelRequest& request) {
        m_ctx.registry.show(kModelForm);
        auto* entry = m_ctx.registry.instanceAs<widgets::SinglePeriodWindowEntry>(kModelForm);
        if (!entry) return jobs::SinglePeriodRunResult{};
        return request.singlePeriod ? entry->runSingleP_unif(request.singlePeriodTexts)
                                    : entry->runSS_unif(request.ssTexts);
    };
    QString text;
    BatchOutcome outcome;
    try {
        if (const std::optional<jobs::ItemFigures> figures = jobs::analyzeItem(item, context, text)) {
            data::BatchRepository(m_ctx.cnn).updateItem(item.itemId, figures->orderQty, figures->reorderPoint);
            outcome.saved = true;
        }
    } catch (const core::RuntimeError& fault) {
        text += "Error: " + QString::fromStdString(fault.description()) + jobs::kCrLf;
    }
    if (LogWindow* log = logWindow()) log->setText(text);
    bringLogToFront();
    m_currentRunning = false;
    emit runningChanged(false);
    if (done) done(outcome);
}

LogWindow* BatchAnalysis::logWindow() const { return qobject_cast<LogWindow*>(m_ctx.registry.existing(kLogForm)); }

LogWindow* BatchAnalysis::openLog() {
    auto* log = qobject_cast<LogWindow*>(m_ctx.registry.show(kLogForm));
    if (log) widgets::ShowChildForm(log);
    return log;
}

// At the end of a run the log, if it is still open, comes in front of the model window.
void BatchAnalysis::bringLogToFront() {
    if (m_ctx.registry.existing(kLogForm)) m_ctx.registry.show(kLogForm);
}

}  // namespace tervalo::warehouse
