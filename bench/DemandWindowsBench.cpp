// The demand-estimation windows at the sizes a user brings them: Next with
// five years of weekly demand (260 rows) and with the fullest history (32,767
// rows) until the regression window is filled and its plot laid out, and Get
// Data reading a file of 10,000 pairs into a new entry window's grid. Run:
// build/<dir>/bin/bench_DemandWindowsBench (the median of ten repetitions).
// Goals: 20 ms, 100 ms and 50 ms. Medians on the build machine: 4.7 ms and
// 17.5 ms for Next (634 ms for 32,767 rows when the plot was a scatter series,
// which makes a scene item per point).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "demand/DemandHistoryModel.h"
#include "demand/DemandHistoryWindow.h"
#include "demand/DemandWindows.h"
#include "support/WindowTestContext.h"
#include "widgets/FileNameDialogs.h"
#include "widgets/WindowId.h"

using namespace tervalo;

namespace {

// Answers every dialog with one file.
class FixedFile : public widgets::FileNameDialogs {
public:
    QString openFileName(QWidget*, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&) override { return path; }
    QString path;
};

struct Rig {
    Rig() {
        demand::registerDemandWindows(t.ctx);
        t.registry.registerWindow(widgets::WindowId::D1,
                                  [this] { return new demand::DemandHistoryWindow(t.ctx, dialogs); });
    }
    demand::DemandHistoryWindow* entry() {
        return t.registry.instanceAs<demand::DemandHistoryWindow>(widgets::WindowId::D1);
    }
    static void click(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }

    test::WindowTestContext t;
    FixedFile dialogs;
    QTemporaryDir dir;
};

void BM_NextWithWeeks(benchmark::State& state) {
    const int weeks = int(state.range(0));
    Rig rig;
    demand::DemandHistoryModel* model = rig.entry()->model();
    for (int week = 1; week <= weeks; ++week) {
        const int row = model->periodCount();
        model->setData(model->index(row, 0), QString::number(week), Qt::EditRole);
        model->setData(model->index(row, 1), QString::number(400 + (week * 37) % 300 + week), Qt::EditRole);
    }
    for (auto _ : state) {
        state.PauseTiming();
        rig.t.registry.show(widgets::WindowId::D1);
        QApplication::processEvents();
        state.ResumeTiming();
        Rig::click(rig.entry(), "cmdNextForm");
        QApplication::processEvents();  // lays out and paints the regression window
    }
    QWidget* regression = rig.t.registry.existing(widgets::WindowId::D2);
    if (!regression || regression->findChild<QLineEdit*>("txtX")->text() != QString::number(weeks) + ".00")
        state.SkipWithError("the regression window was not filled");
    if (!rig.t.notifier.messages.isEmpty()) state.SkipWithError(qPrintable(rig.t.notifier.last().text));
}

void BM_GetData10000Pairs(benchmark::State& state) {
    Rig rig;
    rig.dialogs.path = rig.dir.filePath("history.txt");
    {
        QFile file(rig.dialogs.path);
        file.open(QIODevice::WriteOnly);
        for (int period = 1; period <= 10000; ++period)
            file.write(QByteArray::number(period) + "             " + QByteArray::number(1000 + period % 977) + "\r\n");
    }
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rig.t.registry.unload(widgets::WindowId::D1);
        QApplication::processEvents();
        demand::DemandHistoryWindow* entry = rig.entry();
        rig.t.registry.show(widgets::WindowId::D1);
        QApplication::processEvents();
        state.ResumeTiming();
        Rig::click(entry, "cmdGetData");
        QApplication::processEvents();  // lays out and paints the grid
        rows = entry->model()->periodCount();
    }
    if (rows != 10000) state.SkipWithError("the rows were not all read");
}

}  // namespace

BENCHMARK(BM_NextWithWeeks)
    ->Arg(260)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_GetData10000Pairs)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
