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
#include "widgets/WindowId.h"

using namespace tervalo;

namespace {

void set(widgets::WindowRegistry& registry, widgets::WindowId form, const char* box, const char* text) {
    registry.existing(form)->findChild<QLineEdit*>(box)->setText(text);
}

void press(widgets::WindowRegistry& registry, widgets::WindowId form, const char* control) {
    registry.existing(form)->findChild<QAbstractButton*>(control)->click();
}

void typePaperInterview(widgets::WindowRegistry& registry) {
    widgets::ShowChildForm(registry.openFresh(widgets::WindowId::Wizard));
    set(registry, widgets::WindowId::Wizard, "txtItemName", "Paper");
    press(registry, widgets::WindowId::Wizard, "cmdNext");
    registry.existing(widgets::WindowId::W1)->findChild<QAbstractButton*>("OptionDest_0")->setChecked(true);
    press(registry, widgets::WindowId::W1, "cmdNext");
    registry.existing(widgets::WindowId::W2)->findChild<QAbstractButton*>("OptionTime_0")->setChecked(true);
    set(registry, widgets::WindowId::W2, "txtConstD", "8");
    press(registry, widgets::WindowId::W2, "cmdNext");
    set(registry, widgets::WindowId::W3, "txtOrderingCost", "130");
    set(registry, widgets::WindowId::W3, "txtItemCost", "25");
    set(registry, widgets::WindowId::W3, "txtHoldingCost", "1.173");
    set(registry, widgets::WindowId::W3, "txtShortageCost", "15");
}

void BM_WizardFinish(benchmark::State& state) {
    test::WindowTestContext t;
    app::registerWindows(t.ctx, t.reportOutput);
    for (auto _ : state) {
        state.PauseTiming();
        typePaperInterview(t.registry);
        QApplication::processEvents();
        state.ResumeTiming();
        press(t.registry, widgets::WindowId::W3, "cmdFinish");
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* model = t.registry.existing(widgets::WindowId::PurchaseSA);
    if (!t.notifier.messages.isEmpty())
        state.SkipWithError(qPrintable(t.notifier.last().text));
    else if (!model || model->findChild<QLineEdit*>("txtOrderQuantity")->text() != " 44")
        state.SkipWithError("the purchasing window shows no result");
}
BENCHMARK(BM_WizardFinish)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
