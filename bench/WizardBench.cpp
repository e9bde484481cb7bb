// The wizard's Finish on the Paper interview (purchased, steady, certain, 8 a
// week; ordering 130, item 25, holding 1.173, shortage 15), offscreen, with the
// program's own windows on a copy of Demo.mdb: from the click to the purchasing
// window computed, shown and its row saved, and the four steps closed. The
// interview itself is typed outside the timing. Run:
// build/<dir>/bin/bench_WizardBench (reports the median of ten repetitions).
// Goal: 50 ms.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include "app/WindowCatalog.h"
#include "support/WindowTestContext.h"
#include "widgets/ChildForms.h"

using namespace tervalo;

namespace {

void set(widgets::WindowRegistry& registry, const char* form, const char* box, const char* text) {
    registry.existing(form)->findChild<QLineEdit*>(box)->setText(text);
}

void press(widgets::WindowRegistry& registry, const char* form, const char* control) {
    registry.existing(form)->findChild<QAbstractButton*>(control)->click();
}

void typePaperInterview(widgets::WindowRegistry& registry) {
    widgets::ShowChildForm(registry.openFresh("frmWizard"));
    set(registry, "frmWizard", "txtItemName", "Paper");
    press(registry, "frmWizard", "cmdNext");
    registry.existing("frmW1")->findChild<QAbstractButton*>("OptionDest_0")->setChecked(true);
    press(registry, "frmW1", "cmdNext");
    registry.existing("frmW2")->findChild<QAbstractButton*>("OptionTime_0")->setChecked(true);
    set(registry, "frmW2", "txtConstD", "8");
    press(registry, "frmW2", "cmdNext");
    set(registry, "frmW3", "txtOrderingCost", "130");
    set(registry, "frmW3", "txtItemCost", "25");
    set(registry, "frmW3", "txtHoldingCost", "1.173");
    set(registry, "frmW3", "txtShortageCost", "15");
}

void BM_WizardFinish(benchmark::State& state) {
    test::WindowTestContext t;
    app::registerWindows(t.ctx, t.reportOutput);
    for (auto _ : state) {
        state.PauseTiming();
        typePaperInterview(t.registry);
        QApplication::processEvents();
        state.ResumeTiming();
        press(t.registry, "frmW3", "cmdFinish");
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* model = t.registry.existing("frmPurchaseSA");
    if (!t.notifier.messages.isEmpty())
        state.SkipWithError(qPrintable(t.notifier.last().text));
    else if (!model || model->findChild<QLineEdit*>("txtOrderQuantity")->text() != " 44")
        state.SkipWithError("the purchasing window shows no result");
}
BENCHMARK(BM_WizardFinish)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
