#pragma once
// For looking at the program without a person at the screen: the executable
// tervalo-screenshot (scripts/screenshot runs it) starts the program as it
// starts for a user, then runs the tour:
//
//     tervalo-screenshot OUT_DIR [STEP]...
//
// After start-up the tour grabs the main window, at the frame the program
// chose, to <outDir>/frmMain.png, runs its steps in order and ends the
// program. A step is
//
//     form[+action]...     e.g. frmPurchaseNS+cmdDiscount+txtDiscRate=5+txtDiscQ=100+cmdShouldYou
//
//   form      a registered window: opened fresh, its cmdExample button pressed
//             when it has one, then the main window grabbed to <name>.png;
//             or frmMain, the main window itself (frmMain+mnuHelpContents).
//   action    name      presses the window's button of that name, or else the
//                       main window's action (a menu item: mnuWindowTileVertical);
//             box=text  sets the text of the window's (or else the main
//                       window's) text box of that name; the text may be empty
//                       and cannot hold '+'. For a grid of that name
//                       (DataGrid1=1 10 2 12) the blank-separated values fill
//                       its cells row by row.
//   After its actions the main window is grabbed again to <name>_pressed.png.
//   <name> is the form's name, with _2, _3... for its second and later steps.
//   A window of its own (the wizard's steps) is grabbed in place of the main
//   window; when an action hides it and brings up another such window (Next,
//   Back), the following actions go to that one:
//     frmWizard+txtItemName=Paper+cmdNext+cmdNext+txtLowererD=5+txtUpperD=12+cmdNext
//   ends on step 4, grabbed to frmWizard_pressed.png.
//
// Every other window then open (a preview, a report, the help) is grabbed to
// <name>_win<N>.png and closed, and so are the child windows other than the
// guidance board, unless the word
// --keep is among the steps: then the model windows stay open to the end, so
//     --keep frmPurchaseNS frmPurchaseSA frmManufNS frmManufSA frmMain+mnuWindowTileVertical
// shows four windows side by side in frmMain_pressed.png.
//
// A scene is a step that the program adds by name (addScene) for something no
// window opens by itself, such as a run that is under way: the tour starts it,
// grabs the main window at once to <name>_during.png, then goes on as for a
// form with the window the scene gave.
//
// Nothing waits for a person. A modal box or dialog that opens is grabbed to
// <name>_box<N>.png and answered: No where it offers No (the question before an
// unsaved report closes), else its cancel. Report texts are marked unmodified
// before their windows close, so closing asks nothing. A step that runs longer
// than 30 s, or a tour longer than 240 s, ends the program with exit status 1.
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "widgets/WindowId.h"

class QAbstractItemView;
class QTimer;
class QWidget;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::screenshot {

class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(widgets::AppContext& ctx, const QString& outDir, const QStringList& steps,
                   QObject* parent = nullptr);

    // A step named `name` that starts something and returns its window.
    void addScene(const QString& name, std::function<QWidget*()> start);

public slots:
    // Runs the tour, then ends the event loop.
    void start();

private slots:
    void onWatchdogTimeout();

private:
    void runStep(const QString& step);
    void act(QWidget* window, const QString& action);
    void fillGrid(QAbstractItemView* grid, const QString& values);
    void settle(int ms);
    void grab(QWidget* w, const QString& suffix);
    void answer(QWidget* modal);
    void grabAndCloseOtherWindows(const QWidget* grabbed);
    QList<QWidget*> shownWindows() const;
    void closeModelWindows();
    void end(int status, const QString& reason = QString());
    QWidget* openWindow(const QString& form);

    widgets::AppContext& m_ctx;
    QString m_outDir;
    QStringList m_steps;
    bool m_keep = false;
    QString m_name = widgets::formName(widgets::WindowId::Main);  // the file-name stem of the current step
    QHash<QString, int> m_uses;                                   // steps per form so far
    QHash<QString, std::function<QWidget*()>> m_scenes;
    int m_boxes = 0;
    int m_windows = 0;
    bool m_answering = false;
    QPointer<QWidget> m_lastModal;
    bool m_ended = false;
    QElapsedTimer m_tourClock;
    QElapsedTimer m_stepClock;
    QTimer* m_watchdog = nullptr;
};

}  // namespace tervalo::screenshot
