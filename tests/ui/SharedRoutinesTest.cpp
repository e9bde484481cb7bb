// The shared routines: the string table and its application to a window's
// caption, menus, toolbar, tabs, labels and other controls; a child window
// placed at the left edge and centred vertically in twips; the wizard's windows
// unloaded; the Data items switched by EnableDataMenus.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QtTest>

#include "rtf/Twips.h"
#include "shell/MainWindow.h"
#include "shell/SharedRoutines.h"
#include "shell/StringTable.h"
#include "support/FakeClock.h"
#include "support/QtTestMain.h"
#include "support/RecordingNotifier.h"
#include "support/WindowTestContext.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/WindowRegistry.h"

using namespace tervalo;
using shell::ApplyResourceStrings;
using shell::StringTable;

namespace {

QPushButton* buttonTagged(QWidget* parent, const QString& tag, const QString& caption = "designed") {
    auto* b = new QPushButton(caption, parent);
    b->setProperty("Tag", tag);
    return b;
}

}  // namespace

class SharedRoutinesTest : public QObject {
    Q_OBJECT

private slots:
    // --- string table
    void stringTableEntries() {
        QCOMPARE(StringTable::text(1000), std::optional<QString>("&File"));
        QCOMPARE(StringTable::text(1012), std::optional<QString>("E&xit"));
        QCOMPARE(StringTable::text(1018), std::optional<QString>("Paste &Special..."));
        QCOMPARE(StringTable::text(1026), std::optional<QString>("&Options..."));
        QCOMPARE(StringTable::text(1036), std::optional<QString>("&About "));
        QCOMPARE(StringTable::text(1037), std::optional<QString>("New"));
        QCOMPARE(StringTable::text(1049), std::optional<QString>("Align Right"));
        QCOMPARE(StringTable::text(1058), std::optional<QString>("Login"));
        QCOMPARE(StringTable::text(1062), std::optional<QString>("Cancel"));
        QCOMPARE(StringTable::text(1068), std::optional<QString>("&Apply"));
        QCOMPARE(StringTable::text(1072), std::optional<QString>("&System Info..."));
        QCOMPARE(StringTable::text(1074), std::optional<QString>("Warning: ..."));
        QCOMPARE(StringTable::text(1078), std::optional<QString>("Back"));
        QCOMPARE(StringTable::text(1084), std::optional<QString>("&Address:"));
        for (int id = 1050; id <= 1057; ++id)
            QVERIFY(!StringTable::text(id).value_or("").isEmpty());
        QVERIFY(!StringTable::text(1071).value_or("").isEmpty());
        QVERIFY(!StringTable::text(999));
        QVERIFY(!StringTable::text(1085));
    }

    // --- ApplyResourceStrings
    void menusTakeEntriesForIdsAndKeepTexts() {
        QMainWindow w;
        QMenu* file = w.menuBar()->addMenu("1000");
        QAction* exit = file->addAction("1012");
        file->addSeparator();
        QAction* half = file->addAction("1012.5");  // rounds half to even: 1012
        QMenu* models = w.menuBar()->addMenu("&Models");
        QAction* plain = models->addAction("Purchasing: No Shortages");
        QAction* empty = models->addAction("");
        ApplyResourceStrings(&w);
        QCOMPARE(file->title(), QString("&File"));
        QCOMPARE(exit->text(), QString("E&xit"));
        QCOMPARE(half->text(), QString("E&xit"));
        QCOMPARE(models->title(), QString("&Models"));
        QCOMPARE(plain->text(), QString("Purchasing: No Shortages"));
        QCOMPARE(empty->text(), QString());
    }

    void toolbarTipsThatAreIdsBecomeTexts() {
        QMainWindow w;
        QToolBar* bar = w.addToolBar("bar");
        QAction* bold = bar->addAction("Bold");
        bold->setToolTip("1044");
        QAction* report = bar->addAction("Report");
        report->setToolTip("Report");
        QAction* unknown = bar->addAction("x");
        unknown->setToolTip("1200");
        ApplyResourceStrings(&w);
        QCOMPARE(bold->toolTip(), QString("Bold"));
        QCOMPARE(report->toolTip(), QString("Report"));
        QCOMPARE(unknown->toolTip(), QString("1200"));
    }

    void windowCaptionFromItsTag() {
        QWidget options;
        options.setWindowTitle("designed");
        options.setProperty("Tag", "1063");
        ApplyResourceStrings(&options);
        QCOMPARE(options.windowTitle(), QString("Options"));
        QWidget other;
        other.setWindowTitle("designed");
        other.setProperty("Tag", "1063x");  // not a whole number: the caption stays
        ApplyResourceStrings(&other);
        QCOMPARE(other.windowTitle(), QString("designed"));
    }

    void labelsTakeTheirTagAsAWholeNumber() {
        QWidget w;
        auto* user = new QLabel("designed", &w);
        user->setProperty("Tag", " 1059 ");
        auto* mixed = new QLabel("designed", &w);
        mixed->setProperty("Tag", "1044x");
        auto* huge = new QLabel("designed", &w);
        huge->setProperty("Tag", "99999");  // beyond 16 bits
        ApplyResourceStrings(&w);
        QCOMPARE(user->text(), QString("&User Name:"));
        QCOMPARE(mixed->text(), QString("designed"));
        QCOMPARE(huge->text(), QString("designed"));
    }

    void otherControlsTakeTheLeadingNumberOfTheirTag() {
        QWidget w;
        QPushButton* letter = buttonTagged(&w, "1044x");
        QPushButton* zero = buttonTagged(&w, "0");
        QPushButton* text = buttonTagged(&w, "abc");
        QPushButton* none = buttonTagged(&w, "");
        QPushButton* half = buttonTagged(&w, "1045.5");  // half to even: 1046
        auto* check = new QCheckBox("designed", &w);
        check->setProperty("Tag", "1070");
        auto* frame = new QGroupBox("designed", &w);
        frame->setProperty("Tag", "1064");
        ApplyResourceStrings(&w);
        QCOMPARE(letter->text(), QString("Bold"));
        QCOMPARE(zero->text(), QString("designed"));
        QCOMPARE(text->text(), QString("designed"));
        QCOMPARE(none->text(), QString("designed"));
        QCOMPARE(half->text(), QString("Underline"));
        QCOMPARE(check->text(), QString("OK"));
        QCOMPARE(frame->title(), QString("Sample 1"));
    }

    void otherControlsTakeTheLeadingNumberOfTheirToolTip() {
        QWidget w;
        auto* cut = new QPushButton("x", &w);
        cut->setToolTip("1041 tip");
        auto* plain = new QPushButton("x", &w);
        plain->setToolTip("Press here");
        auto* negative = new QPushButton("x", &w);
        negative->setToolTip("-1041");
        ApplyResourceStrings(&w);
        QCOMPARE(cut->toolTip(), QString("Cut"));
        QCOMPARE(plain->toolTip(), QString("Press here"));
        QCOMPARE(negative->toolTip(), QString("-1041"));
    }

    void tabsTakeCaptionFromTheirTagAndTipFromTheirToolTip() {
        QWidget w;
        auto* tabs = new QTabBar(&w);
        tabs->addTab("Group 1");
        tabs->setTabData(0, "1065");
        tabs->setTabToolTip(0, "1066");
        tabs->addTab("Group 2");
        tabs->setTabToolTip(1, "plain");
        ApplyResourceStrings(&w);
        QCOMPARE(tabs->tabText(0), QString("Sample 2"));
        QCOMPARE(tabs->tabToolTip(0), QString("Sample 3"));
        QCOMPARE(tabs->tabText(1), QString("Group 2"));
        QCOMPARE(tabs->tabToolTip(1), QString("plain"));
    }

    void controlsTakeTheWindowsFontButNotInTheMainWindow() {
        QWidget options;
        QFont formFont("DejaVu Sans", 13);
        options.setFont(formFont);
        auto* frame = new QGroupBox("Sample 1", &options);
        auto* caption = new QLabel("designed", frame);
        QFont own("DejaVu Serif", 20);
        own.setBold(true);
        caption->setFont(own);
        ApplyResourceStrings(&options);
        QCOMPARE(caption->font().pointSize(), 13);
        QCOMPARE(caption->font().family(), formFont.family());
        QVERIFY(!caption->font().bold());

        QMainWindow main;
        auto* status = new QLabel("Status", &main);
        status->setFont(own);
        ApplyResourceStrings(&main);
        QCOMPARE(status->font().pointSize(), 20);
        QVERIFY(status->font().bold());
    }

    void childWindowsInTheMdiAreaAreLeftAlone() {
        QMainWindow w;
        auto* area = new QMdiArea;
        w.setCentralWidget(area);
        auto* child = new QWidget;
        QPushButton* inside = buttonTagged(child, "1044");
        area->addSubWindow(child);
        ApplyResourceStrings(&w);
        QCOMPARE(inside->text(), QString("designed"));
    }

    // --- ShowChildForm
    void tallWindowOnShortScreenGoesAboveTheTop() {
        QWidget w;
        w.resize(400, rtf::Twips::toPixels(9000));
        widgets::ShowChildForm(&w, 7200);
        QVERIFY(w.isVisible());
        QCOMPARE(rtf::Twips::toTwips(w.pos().y()), -900);
        QCOMPARE(w.pos().x(), 0);
    }

    void childWindowIsCentredVerticallyAtTheLeftEdge() {
        QMainWindow main;
        auto* area = new QMdiArea;
        main.setCentralWidget(area);
        main.resize(800, 600);
        main.show();
        auto* child = new QWidget;
        QMdiSubWindow* sub = area->addSubWindow(child);
        sub->resize(300, 200);  // 3000 twips
        sub->move(50, 50);
        widgets::ShowChildForm(child, 7200);
        QCOMPARE(sub->pos(), QPoint(0, 140));  // (7200 - 3000) / 2 = 2100 twips
        QVERIFY(child->isVisible());
        QCOMPARE(area->currentSubWindow(), sub);
    }

    void twipsAreFifteenPerPixel() {
        QCOMPARE(rtf::Twips::toPixels(1000), 67);
        QCOMPARE(rtf::Twips::toPixels(6500), 433);
        QCOMPARE(rtf::Twips::toPixels(-900), -60);
        QCOMPARE(rtf::Twips::toTwips(433), 6495);
    }

    // --- UnloadWizardForms and EnableDataMenus
    void unloadWizardFormsClosesAndReleasesTheFour() {
        widgets::WindowRegistry registry;
        QMdiArea area;
        registry.setMdiArea(&area);
        int made = 0;
        for (widgets::WindowId window : {widgets::WindowId::Wizard, widgets::WindowId::W1, widgets::WindowId::W2,
                                         widgets::WindowId::W3, widgets::WindowId::D1})
            registry.registerWindow(window, [&made] {
                ++made;
                return new QWidget;
            });
        QPointer<QWidget> wizard = registry.show(widgets::WindowId::Wizard);
        QPointer<QWidget> step2 = registry.show(widgets::WindowId::W2);
        QPointer<QWidget> step3 = registry.instance(widgets::WindowId::W3);  // made, never shown
        QPointer<QWidget> demand = registry.show(widgets::WindowId::D1);
        widgets::UnloadWizardForms(registry);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!wizard && !step2 && !step3);
        QVERIFY(demand);
        for (widgets::WindowId window :
             {widgets::WindowId::Wizard, widgets::WindowId::W1, widgets::WindowId::W2, widgets::WindowId::W3})
            QVERIFY(!registry.existing(window));
        QCOMPARE(area.subWindowList().size(), 1);
        made = 0;
        registry.instance(widgets::WindowId::W2);
        QCOMPARE(made, 1);
    }

    void disablingThenEnablingLeavesTheDataItemsEnabled() {
        test::WindowTestContext t(false);
        widgets::AppContext& ctx = t.ctx;
        shell::MainWindow main(ctx);
        ctx.mainWindow = &main;
        widgets::EnableDataMenus(ctx, false);
        for (const char* name : {"mnuFind", "mnuImport", "mnuAnalyze"})
            QVERIFY(!main.menuAction(name)->isEnabled());
        widgets::EnableDataMenus(ctx, true);
        for (const char* name : {"mnuFind", "mnuImport", "mnuAnalyze"})
            QVERIFY(main.menuAction(name)->isEnabled());
    }
};

TERVALO_QTEST_MAIN(SharedRoutinesTest)
#include "SharedRoutinesTest.moc"
