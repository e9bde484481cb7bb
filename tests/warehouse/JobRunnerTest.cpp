// The runner of long jobs: its messages are shown on the window's thread
// while the job waits for the answer, Cancel reaches the job, and a runner
// going away stops its job. (Its log and progress in the log window are
// tested with the batch runs.)
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QThread>
#include <atomic>

#include "jobs/JobRunner.h"
#include "support/WindowTestContext.h"
#include "warehouse/runs/JobMessageBoxes.h"
#include "warehouse/runs/LogView.h"
#include "warehouse/runs/LogWindow.h"

using namespace tervalo;
using jobs::JobControl;
using jobs::JobRunner;
using jobs::WriteBackChoice;

namespace {

struct Rig {
    test::WindowTestContext t;
    JobRunner runner{warehouse::messageBoxesOf(t.notifier)};
    warehouse::LogWindow log{t.ctx};
    bool done = false;

    Rig() { log.follow(runner); }
    void start(JobRunner::Job job) {
        ASSERT_TRUE(runner.start(std::move(job), [this] { done = true; }));
    }
    bool finish() {
        return QTest::qWaitFor([this] { return done; }, 50000);
    }
};

// The box opens on the window's thread with the log so far shown; the job
// goes on only once it is closed.
TEST(JobRunnerTest, MessagesWaitForTheirAnswer) {
    Rig r;
    std::atomic<int> answered{0};
    QStringList shownLog;
    r.t.notifier.onShow = [&](const test::RecordedMessage&) {
        EXPECT_EQ(QThread::currentThread(), r.log.thread());
        shownLog << r.log.text();
        QTest::qWait(20);
        ++answered;
    };
    std::vector<int> seen;
    r.start([&](JobControl& control) {
        control.appendLog("before\r\n");
        control.show({"Check your data.", "Checking Input", core::MessageIcon::Exclamation, -1});
        seen.push_back(answered);
        control.show({"Again.", "", core::MessageIcon::None, -1});
        seen.push_back(answered);
    });
    ASSERT_TRUE(r.finish());
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(shownLog, (QStringList{"before\r\n", "before\r\n"}));
    ASSERT_EQ(r.t.notifier.messages.size(), 2);
    EXPECT_EQ(r.t.notifier.messages[0].title, "Checking Input");
    EXPECT_EQ(r.t.notifier.messages[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(r.t.notifier.messages[1].title, platform::kProgramTitle);
}

// Each analysis or write-back follows its runner again: a later run still
// shows each line of its log once while it runs.
TEST(JobRunnerTest, AFollowedRunAgainShowsEachLineOnce) {
    Rig r;
    QStringList shownLog;
    r.t.notifier.onShow = [&](const test::RecordedMessage&) { shownLog << r.log.textBox()->toPlainText(); };
    for (int run = 0; run < 2; ++run) {
        r.log.follow(r.runner);
        r.done = false;
        r.start([](JobControl& control) {
            control.appendLog("line\r\n");
            control.show({"Shown over the log.", "", core::MessageIcon::None, -1});
        });
        ASSERT_TRUE(r.finish());
    }
    EXPECT_EQ(shownLog, (QStringList{"line\n", "line\n"}));
}

// A long run shows its newest lines as they come, the view at its end, the
// box holding no more than kMostLines of them, each the log's line of its
// place; the log keeps every line. The job writes bursts that the window
// meets while they are written, each followed by single lines.
TEST(JobRunnerTest, ALongRunIsFollowedToItsLastLine) {
    Rig r;
    r.log.show();
    QPlainTextEdit* box = r.log.textBox();
    const warehouse::LogView* view = r.log.view();
    std::atomic<bool> reading{false};
    std::atomic<int> shown{0};
    int misheld = 0;
    QObject::connect(&r.runner, &JobRunner::logAppended, [&] { reading = true; });
    r.log.follow(r.runner);  // the window reads after the slot above
    QObject::connect(&r.runner, &JobRunner::logAppended, [&] {
        misheld += box->document()->blockCount() != view->heldLines() || view->heldLines() > view->kMostLines;
        reading = false;
        ++shown;
    });
    std::atomic<int> written{0};
    r.start([&](JobControl& control) {
        const auto line = [&] { control.appendLog(QString("line %1\r\n").arg(++written)); };
        const auto waitShown = [&](int seen) {
            while (shown == seen && !control.cancelled())
                QThread::msleep(1);
        };
        for (int burst = 0; burst < 8; ++burst) {
            const int seen = shown;
            for (int i = 0; i < warehouse::LogView::kMostLines; ++i)
                line();
            // Spins, so that the next lines meet the window as it begins to read.
            while (!reading && shown == seen && !control.cancelled()) {
            }
            for (int i = 0; i < 200; ++i)
                line();
            waitShown(seen);
            for (int single = 0; single < 2; ++single) {
                const int before = shown;
                line();
                waitShown(before);
            }
        }
    });
    ASSERT_TRUE(r.finish());
    EXPECT_EQ(misheld, 0);
    EXPECT_EQ(box->document()->lastBlock().previous().text(), QString("line %1").arg(written));
    EXPECT_TRUE(box->toPlainText() == view->shown(view->log()->lines(view->firstLine(), view->heldLines())));
    EXPECT_LE(box->document()->blockCount(), view->kMostLines);
    EXPECT_EQ(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
    EXPECT_EQ(r.runner.log()->lineCount(), written + 1);
}

// The log read as it was counted while the job writes on: the last line given
// has no line end, whatever came after it.
TEST(JobRunnerTest, TheLogReadsAsItWasCounted) {
    jobs::LogFile log("a\r\nb");
    const qint64 counted = log.lineCount();
    log.append("c\r\nd\r\n");
    EXPECT_EQ(log.lines(0, counted), "a\r\nbc");
    EXPECT_EQ(log.lines(1, 2), "bc\r\nd");
    EXPECT_EQ(log.lines(0, log.lineCount()), "a\r\nbc\r\nd\r\n");
}

TEST(JobRunnerTest, CancelReachesTheJobAndOneRunAtATime) {
    Rig r;
    r.log.setText("the previous run");
    r.start([](JobControl& control) {
        while (!control.cancelled())
            QThread::msleep(1);
        control.appendLog("stopped\r\n");
    });
    EXPECT_EQ(r.log.text(), "");  // a new run starts with an empty log
    EXPECT_FALSE(r.runner.start([](JobControl&) {}));
    QTest::qWait(20);
    EXPECT_FALSE(r.done);
    r.log.findChild<QPushButton*>("cmdCancel")->click();
    ASSERT_TRUE(r.finish());
    EXPECT_EQ(r.log.text(), "stopped\r\n");
}

TEST(JobRunnerTest, ARunnerGoingAwayStopsItsJob) {
    test::WindowTestContext t;
    std::atomic<bool> stopped{false};
    {
        JobRunner runner(warehouse::messageBoxesOf(t.notifier));
        runner.start([&stopped](JobControl& control) {
            control.show({"never answered", "", core::MessageIcon::None, -1});
            while (!control.cancelled())
                QThread::msleep(1);
            stopped = true;
        });
    }
    EXPECT_TRUE(stopped);
}

// The confirmation as a box: its text and buttons, and what each answer picks.
TEST(WriteBackQuestion, AnswersPickTheItems) {
    const std::pair<platform::MsgResult, WriteBackChoice> answers[] = {
        {platform::MsgResult::Yes, WriteBackChoice::AllItems},
        {platform::MsgResult::No, WriteBackChoice::CurrentItem},
        {platform::MsgResult::Cancel, WriteBackChoice::Cancel}};
    for (const auto& [answer, choice] : answers) {
        test::RecordingNotifier notifier;
        notifier.answers.enqueue(answer);
        EXPECT_EQ(warehouse::askWithBox(notifier, nullptr)(), choice);
        ASSERT_EQ(notifier.messages.size(), 1);
        EXPECT_EQ(notifier.last().title, "Confirmation");
        EXPECT_EQ(notifier.last().text,
                  "Update all the items in this database?\r\n\r\nClick Yes to proceed.\r\nClick No to analyze just "
                  "the current item.\r\nClick Cancel to do nothing.");
        EXPECT_EQ(notifier.last().buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(notifier.last().icon, platform::MsgIcon::None);
    }
}

}  // namespace
