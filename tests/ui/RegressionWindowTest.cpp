// The regression window (frmD2), made through the window registry: what one
// series shows (after an earlier one, which it replaces), a change of level or
// of the prediction time, and the plot.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>

#include "demand/DemandWindows.h"
#include "demand/RegressionPlot.h"
#include "demand/RegressionWindow.h"
#include "support/QtTestMain.h"
#include "support/WindowTestContext.h"

using namespace tervalo;
using core::demand::DemandPoint;
using Values = QList<double>;

namespace {

const Values kRising{10, 12, 15, 15, 18, 20};
const Values kFalling{20, 18, 15, 15, 12, 10};
const Values kBetweenLevels{10, 13, 11, 12, 16, 14};
const QString kModel = QStringLiteral("Inventory Model: Single Period/s-S Policy\r\nDemand Model: ");
const QString kRisingReg = QStringLiteral(
    "Reagression equation: Y = 8.2000+ 1.9429X, where Y is demand, and X is time.\r\n"
    "Linear relationship is significant, with t>2.78 at (1-0.05) confidence interval.");

// Demands at the times 1, 2, ... unless times are given.
std::vector<DemandPoint> series(const Values& demands, const Values& times = {}) {
    std::vector<DemandPoint> points;
    for (int i = 0; i < demands.size(); ++i)
        points.push_back({times.isEmpty() ? i + 1.0 : times.at(i), demands.at(i)});
    return points;
}

struct Opened {
    Opened() {
        demand::registerDemandWindows(t.ctx);
        w = t.registry.instanceAs<demand::RegressionWindow>(widgets::WindowId::D2);
    }
    ~Opened() { t.registry.unload(widgets::WindowId::D2); }
    QString text(const char* name) const {
        if (auto* box = w->findChild<QLineEdit*>(name)) return box->text();
        return w->findChild<QLabel*>(name)->text();
    }
    QStringList results() const {
        QStringList shown;
        for (const char* name : {"txtX", "lblABX", "txtY", "lblError", "lblReg", "lblSuggestion"})
            shown << text(name);
        return shown;
    }
    QComboBox* alpha() const { return w->findChild<QComboBox*>("ComboAlpha"); }
    QLineEdit* txtX() const { return w->findChild<QLineEdit*>("txtX"); }

    test::WindowTestContext t;
    demand::RegressionWindow* w = nullptr;
};

}  // namespace

class RegressionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsAtTheDesign() {
        Opened o;
        QCOMPARE(o.w->windowTitle(), QString("Analyzing Demand - Regression Analysis"));
        QCOMPARE(o.results(), (QStringList{"", "Y= a + b x", "", "Error", "", ""}));
        // Only the two tabled levels, and nothing else can be typed.
        QCOMPARE(o.alpha()->count(), 2);
        QCOMPARE(o.alpha()->itemText(0), QString("0.05"));
        QCOMPARE(o.alpha()->itemText(1), QString("0.10"));
        QCOMPARE(o.alpha()->currentText(), QString("0.05"));
        QVERIFY(!o.alpha()->isEditable());
    }

    // Each row analyses `before` first (when given), then `demands`.
    void analysesTheSeries_data() {
        QTest::addColumn<Values>("before");
        QTest::addColumn<Values>("demands");
        QTest::addColumn<Values>("times");
        QTest::addColumn<QString>("timeUnit");  // empty: the last time; else the current time in this unit
        QTest::addColumn<int>("month");
        QTest::addColumn<QStringList>("shown");  // txtX, lblABX, txtY, lblError, lblReg, lblSuggestion
        QTest::addColumn<Values>("bounds");
        QTest::addColumn<bool>("fitted");

        const QStringList rising{"6.00",     "Y = 8.2000 + 1.9429 x ",
                                 "19.8571",  "with error + or - 2.3882",
                                 kRisingReg, kModel + "Normal Distribution with Mean=19.8571, and Variance=0.4857"};
        const QStringList cleared{"", "Y= a + b x", "", "Error", "", ""};
        QTest::newRow("rising") << Values{} << kRising << Values{} << "" << 12 << rising << Values{10, 20} << true;
        QTest::newRow("falling") << Values{} << kFalling << Values{} << "" << 12
                                 << QStringList{"6.00",
                                                "Y = 21.8000 - 1.9429 x ",
                                                "10.1429",
                                                "with error + or - 2.3882",
                                                "Reagression equation: Y = 21.8000+ -1.9429X, where Y is demand, "
                                                "and X is time.\r\nLinear relationship is not significant, with "
                                                "t<2.78 at (1-0.05) confidence interval.",
                                                kModel + "Uniform Distribution between 10 and 20"}
                                 << Values{10, 20} << true;
        QTest::newRow("between levels")
            << Values{} << kBetweenLevels << Values{} << "" << 12
            << QStringList{"6.00",
                           "Y = 9.6667 + 0.8571 x ",
                           "14.8095",
                           "with error + or - 5.5457",
                           "Reagression equation: Y = 9.6667+ 0.8571X, where Y is demand, and X is time.\r\n"
                           "Linear relationship is not significant, with t<2.78 at (1-0.05) confidence interval.",
                           kModel + "Uniform Distribution between 10 and 16"}
            << Values{10, 16} << true;
        QTest::newRow("week rule")
            << Values{} << kRising << Values{} << "Week" << 6
            << QStringList{"0.00",    rising[1], "8.2000",
                           rising[3], rising[4], kModel + "Normal Distribution with Mean=8.2000, and Variance=0.4857"}
            << Values{10, 20} << true;
        QTest::newRow("june") << Values{} << kRising << Values{} << "Month" << 6 << rising << Values{10, 20} << true;
        // Periods in any order are analysed in the order of their numbers: 12 is the last time.
        QTest::newRow("out of order") << Values{} << Values{14, 10, 20, 12, 15, 15, 18} << Values{12, 1, 10, 2, 3, 4, 5}
                                      << "" << 12 << QStringList() << Values{10, 20} << true;
        // A constant history is no trend.
        QTest::newRow("constant") << Values{} << Values{15, 15, 15, 15, 15, 15} << Values{} << "" << 12
                                  << QStringList{"6.00",
                                                 "Y = 15.0000 + 0.0000 x ",
                                                 "15.0000",
                                                 "with error + or - 0.0000",
                                                 "Reagression equation: Y = 15.0000+ 0.0000X, where Y is demand, and "
                                                 "X is time.\r\nLinear relationship is not significant, with t<2.78 "
                                                 "at (1-0.05) confidence interval.",
                                                 kModel + "Uniform Distribution between 15 and 15"}
                                  << Values{15, 15} << true;
        // Too few periods, or one time for all: the earlier results go, the bounds come.
        QTest::newRow("five after six") << kRising << Values{3, 9, 4, 7, 5} << Values{} << "" << 12 << cleared
                                        << Values{3, 9} << false;
        QTest::newRow("one time") << kRising << Values{5, 6, 7, 8, 9, 10} << Values{3, 3, 3, 3, 3, 3} << "" << 12
                                  << cleared << Values{5, 10} << false;
        // No periods: nothing changes and no bounds come back.
        QTest::newRow("empty after six") << kRising << Values{} << Values{} << "" << 12 << rising << Values{10, 20}
                                         << false;
    }
    void analysesTheSeries() {
        QFETCH(Values, before);
        QFETCH(Values, demands);
        QFETCH(Values, times);
        QFETCH(QString, timeUnit);
        QFETCH(int, month);
        QFETCH(QStringList, shown);
        QFETCH(Values, bounds);
        QFETCH(bool, fitted);
        Opened o;
        o.t.clock.setNow(QDateTime(QDate(2026, month, 7), QTime(10, 0)));
        if (!before.isEmpty()) o.w->calculate(series(before));
        o.w->setUseCurrentTime(!timeUnit.isEmpty());
        o.w->setTimeUnit(timeUnit);
        const widgets::RegressionRunResult result = o.w->calculate(series(demands, times));
        if (shown.isEmpty()) {
            QCOMPARE(o.text("txtX"), QString("12.00"));
        } else {
            QCOMPARE(o.results(), shown);
        }
        QCOMPARE(result.fitted, fitted);
        QCOMPARE(result.bounds.has_value(), !demands.isEmpty());
        if (result.bounds) {
            QCOMPARE(result.bounds->low, bounds[0]);
            QCOMPARE(result.bounds->high, bounds[1]);
        }
    }

    // After the rows' series: each step picks a level ("alpha=INDEX"), types
    // into txtX ("x=TEXT"), or presses Enter in it / leaves it ("enter", "leave").
    void refitsForALevelOrATime_data() {
        QTest::addColumn<Values>("demands");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");  // text|title
        QTest::addColumn<QStringList>("shown");     // txtX, lblABX, txtY, lblError, lblReg, lblSuggestion

        const QString notSignificant10 = kModel + "Uniform Distribution between 10 and 16";
        const QString equation10 =
            QStringLiteral("Reagression equation: Y = 9.6667+ 0.8571X, where Y is demand, and X is time.\r\n");
        QTest::newRow("0.10") << kBetweenLevels << QStringList{"alpha=1"}
                              << QStringList{"Significant linear relationship. 2.21564683762799 > 2.132|Tervalo"}
                              << QStringList{"6.00",
                                             "Y = 9.6667 + 0.8571 x ",
                                             "14.8095",
                                             "with error + or - 4.2592",
                                             equation10 +
                                                 "Linear relationship is significant, with t>2.132 at "
                                                 "(1-0.10) confidence interval.",
                                             kModel + "Normal Distribution with Mean=14.8095, and Variance=2.6190"};
        QTest::newRow("0.10, then 0.05") << kBetweenLevels << QStringList{"alpha=1", "alpha=0"}
                                         << QStringList{"Significant linear relationship. 2.21564683762799 > "
                                                        "2.132|Tervalo"}
                                         << QStringList{"6.00", "Y = 9.6667 + 0.8571 x ", "14.8095",
                                                        "with error + or - 5.5457",
                                                        equation10 + "Linear relationship is not significant, with "
                                                                     "t<2.776 at (1-0.05) confidence interval.",
                                                        notSignificant10};
        const QString rising7 = QStringLiteral(
            "Reagression equation: Y = 8.2000+ 1.9429X, where Y is demand, and X is time.\r\n"
            "Linear relationship is significant, with t>2.776 at (1-0.05) confidence interval.");
        const QString risingSuggestion = kModel + "Normal Distribution with Mean=19.8571, and Variance=0.4857";
        const QString notice = QStringLiteral("Significant linear relationship. 11.6619037896906 > 2.776|Tervalo");
        // A new time predicts again; the suggestion stays.
        QTest::newRow("time 7") << kRising << QStringList{"x=7", "enter"} << QStringList{notice}
                                << QStringList{"7",     "Y = 8.2000 + 1.9429 x ", "21.8000", "with error + or - 2.6433",
                                               rising7, risingSuggestion};
        QTest::newRow("time 7, leaving") << kRising << QStringList{"x=7", "leave"} << QStringList{notice}
                                         << QStringList{"7",       "Y = 8.2000 + 1.9429 x ",
                                                        "21.8000", "with error + or - 2.6433",
                                                        rising7,   risingSuggestion};
        // The text the analysis put there counts as a change, once.
        QTest::newRow("enter twice") << kRising << QStringList{"enter", "enter", "leave"} << QStringList{notice}
                                     << QStringList{"6.00",
                                                    "Y = 8.2000 + 1.9429 x ",
                                                    "19.8571",
                                                    "with error + or - 2.3882",
                                                    "Reagression equation: Y = 8.2000+ 1.9429X, where Y is demand, "
                                                    "and X is time.\r\nLinear relationship is significant, with "
                                                    "t>2.776 at (1-0.05) confidence interval.",
                                                    risingSuggestion};
        // The time box takes the keys of a number; an empty one predicts nothing.
        QTest::newRow("keys") << kRising << QStringList{"x=", "type=a-7b"} << QStringList()
                              << QStringList{"7",        "Y = 8.2000 + 1.9429 x ",
                                             "19.8571",  "with error + or - 2.3882",
                                             kRisingReg, risingSuggestion};
        QTest::newRow("empty time") << kRising << QStringList{"x=", "enter"} << QStringList()
                                    << QStringList{"",         "Y = 8.2000 + 1.9429 x ",
                                                   "19.8571",  "with error + or - 2.3882",
                                                   kRisingReg, risingSuggestion};
        // Fewer than 6 periods, or one time for all: no line to refit, nothing is fitted or said.
        const QStringList unfitted{"", "Y= a + b x", "", "Error", "", ""};
        QTest::newRow("level after five")
            << Values{3, 9, 4, 7, 5} << QStringList{"alpha=1"} << QStringList() << unfitted;
        QTest::newRow("time with five") << Values{3, 9, 4, 7, 5} << QStringList{"x=6", "enter"} << QStringList()
                                        << QStringList{"6", "Y= a + b x", "", "Error", "", ""};
        QTest::newRow("time with two") << Values{3, 9} << QStringList{"x=4", "enter"} << QStringList()
                                       << QStringList{"4", "Y= a + b x", "", "Error", "", ""};
    }
    void refitsForALevelOrATime() {
        QFETCH(Values, demands);
        QFETCH(QStringList, steps);
        Opened o;
        o.w->calculate(series(demands));
        o.w->show();
        QVERIFY(QTest::qWaitForWindowActive(o.w));
        for (const QString& step : steps) {
            const QString value = step.section('=', 1);
            if (step.startsWith("alpha=")) {
                o.alpha()->setFocus();
                QTest::keyClick(o.alpha(), value == "1" ? Qt::Key_Down : Qt::Key_Up);
            } else if (step.startsWith("x=")) {
                o.txtX()->setText(value);
            } else if (step.startsWith("type=")) {
                QTest::keyClicks(o.txtX(), value);
            } else if (step == "enter") {
                o.txtX()->setFocus();
                QTest::keyClick(o.txtX(), Qt::Key_Return);
            } else if (step == "leave") {
                o.txtX()->setFocus();
                QTRY_VERIFY(o.txtX()->hasFocus());
                o.alpha()->setFocus();
                QTRY_VERIFY(o.alpha()->hasFocus());
            }
        }
        QStringList messages;
        for (const auto& m : o.t.notifier.messages)
            messages << m.text + "|" + m.title;
        QTEST(messages, "messages");
        QTEST(o.results(), "shown");
    }

    // Each row plots `before` first (when given), then `demands`.
    void plotsTheSeriesAndItsLine_data() {
        QTest::addColumn<Values>("before");
        QTest::addColumn<Values>("demands");
        QTest::addColumn<Values>("line");  // x1, y1, x2, y2, or none
        QTest::addColumn<Values>("axes");  // time from, to; demand from, to

        QTest::newRow("rising") << Values{} << kRising << Values{1, 10.142857, 6, 19.857143} << Values{0, 6, 0, 20};
        QTest::newRow("falling after rising")
            << kRising << kFalling << Values{1, 19.857143, 6, 10.142857} << Values{0, 6, 0, 20};
        QTest::newRow("five after six") << kRising << Values{3, 9, 4, 7, 5} << Values{} << Values{0, 5, 0, 9};
        QTest::newRow("all zero") << Values{} << Values{0, 0, 0, 0, 0, 0} << Values{1, 0, 6, 0} << Values{0, 6, 0, 1};
    }
    void plotsTheSeriesAndItsLine() {
        QFETCH(Values, before);
        QFETCH(Values, demands);
        QFETCH(Values, line);
        QFETCH(Values, axes);
        Opened o;
        if (!before.isEmpty()) {
            o.w->calculate(series(before));
            o.w->plotData();
        }
        o.w->calculate(series(demands));
        o.w->plotData();
        const demand::RegressionPlot* plot = o.w->plot();
        QCOMPARE(plot->points().size(), demands.size());
        for (int i = 0; i < demands.size(); ++i)
            QCOMPARE(plot->points().at(i), QPointF(i + 1, demands.at(i)));
        QCOMPARE(plot->line()->count(), line.size() / 2);
        for (int i = 0; i < line.size() / 2; ++i) {
            QVERIFY(qAbs(plot->line()->at(i).x() - line.at(2 * i)) < 1e-6);
            QVERIFY(qAbs(plot->line()->at(i).y() - line.at(2 * i + 1)) < 1e-6);
        }
        QCOMPARE(plot->timeAxis()->min(), axes[0]);
        QVERIFY(plot->timeAxis()->max() >= axes[1]);
        QCOMPARE(plot->demandAxis()->min(), axes[2]);
        QVERIFY(plot->demandAxis()->max() >= axes[3]);
        QVERIFY(plot->demandAxis()->max() <= 2 * axes[3]);
    }
};

TERVALO_QTEST_MAIN(RegressionWindowTest)
#include "RegressionWindowTest.moc"
