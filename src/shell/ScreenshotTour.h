#pragma once
// For looking at the program without a person at the screen: after start-up,
// grabs the main window to <outDir>/frmMain.png, then opens each named window
// through the registry (pressing its cmdExample button when it has one), grabs
// the main window to <outDir>/<formName>.png, closes the window again, and ends
// the program. A message box that opens meanwhile is grabbed to
// <outDir>/<formName>_box<N>.png and closed. A name such as
// "frmPurchaseNS+cmdPrint" also presses the named buttons (or main-window
// actions, "frmMain+mnuHelpContents") after the example and grabs the main window
// again to <formName>_pressed.png; every other top-level
// window then open (a preview, a report) is grabbed to <formName>_win<N>.png.
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(widgets::AppContext& ctx, const QString& outDir, const QStringList& formNames,
                   QObject* parent = nullptr);

public slots:
    // Runs the tour, then quits the application.
    void start();

private slots:
    void onModalTimerTimeout();

private:
    void settle(int ms);
    void grabMainWindow(const QString& name);
    void pressControls(QWidget* window, const QStringList& names);
    void grabOtherWindows(const QString& name);

    widgets::AppContext& m_ctx;
    QString m_outDir;
    QStringList m_forms;
    QString m_current = QStringLiteral("frmMain");
    int m_boxes = 0;
    QTimer* m_modalTimer = nullptr;
};

}  // namespace tervalo::shell
