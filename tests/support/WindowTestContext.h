#pragma once
// Everything a window test needs: an AppContext over a temporary copy of
// Demo.mdb, a recording notifier, a fixed clock, recorded text reports,
// recorded print requests and a recording report output.
#include <QList>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "data/Connection.h"
#include "platform/AppSettings.h"
#include "platform/Beeper.h"
#include "platform/ReportService.h"
#include "platform/SettingsStore.h"
#include "platform/TextReport.h"
#include "support/FakeClock.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingReportOutput.h"
#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::test {

class RecordingTextReport : public platform::TextReportSink {
public:
    void type(const QString& piece) override { pieces << piece; }
    QString text() const override;  // the pieces as the report window would show them
    QStringList pieces;
};

class RecordingTextReportService : public platform::TextReportService {
public:
    platform::TextReportSink* start(const QString& title) override {
        if (unavailable) return nullptr;
        titles << title;
        reports.push_back(std::make_unique<RecordingTextReport>());
        return reports.back().get();
    }
    QStringList titles;
    std::vector<std::unique_ptr<RecordingTextReport>> reports;
    bool unavailable = false;  // no report window can be opened
};

struct PrintRequest {
    int modelId;
    QString itemName;
    QDate day;
};

struct SinglePeriodPrintRequest {
    int logId;
    QString itemName;
    QDate day;
};

class RecordingReportService : public platform::ReportService {
public:
    void previewEoq(QWidget*, int modelId, const QString& itemName, const QDate& day) override {
        requests.append({modelId, itemName, day});
    }
    void previewSinglePeriod(QWidget*, int logId, const QString& itemName, const QDate& day) override {
        singlePeriodRequests.append({logId, itemName, day});
    }
    QList<PrintRequest> requests;
    QList<SinglePeriodPrintRequest> singlePeriodRequests;
};

// Counts the beeps instead of sounding them.
class CountingBeeper : public platform::Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class WindowTestContext {
public:
    // Opens the shared connection on a fresh copy of Demo.mdb (or leaves it
    // closed when `openDatabase` is false).
    explicit WindowTestContext(bool openDatabase = true);
    ~WindowTestContext();

    data::Connection cnn;
    data::Connection reportCnn;
    test::RecordingNotifier notifier;
    test::FakeClock clock;
    platform::SettingsStore settings;  // the raw store, for tests that plant values
    platform::AppSettings appSettings{settings};
    RecordingReportService reports;
    RecordingTextReportService textReports;
    RecordingReportOutput reportOutput;  // the report browser's prints and previews
    widgets::WindowRegistry registry;
    widgets::AppContext ctx{cnn, reportCnn, appSettings, notifier, clock, reports, textReports, registry};
    CountingBeeper beeper;

    // Number of rows in a table of the shared database (for save tests).
    int rowCount(const QString& table);
};

// The window a form name names, for tests whose tables list windows by the
// objectName they also check; a name no window goes by stops the test.
widgets::WindowId windowId(const QString& form);

}  // namespace tervalo::test
