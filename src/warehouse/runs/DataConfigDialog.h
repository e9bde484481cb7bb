#pragma once
// frmDataConfig, "Update Database": where the user names the database, table,
// columns and key that receive the items' reorder points and order
// quantities, with a type for each value, and tests the connection. It loads
// its values from the "Database" settings each time it is shown (the demo
// target when the main window's "Use Demo database" is checked), and every
// attempt to close it saves them, tests the connection and, unless the last
// test left it unconnected, hands the eight texts to the item card.
//
// The window object lives for the program's run: whether the last test
// failed without an error sticks from one showing to the next.
#include <QDialog>
#include <QList>

#include "data/Connection.h"
#include "jobs/WriteBackTarget.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::warehouse {

class DataConfigDialog : public QDialog {
    Q_OBJECT
public:
    // `handOver` receives the eight texts when the window closes.
    DataConfigDialog(widgets::AppContext& ctx, jobs::WriteBackTargetHook handOver, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box and Esc: the unload with the test's boxes shown.
    void reject() override;

private slots:
    void onCommand1Clicked();  // "&Test Connection"
    void onCommand2Clicked();  // "&Continue"

private:
    void buildForm();
    void formLoad();
    // Saves, tests and hands over; false when the window must stay open.
    bool formUnload();
    void testConnection();
    void saveSettings();
    jobs::WriteBackTarget target() const;
    void showError(const QString& description);
    void showFieldName(int index, const QString& column);

    widgets::AppContext& m_ctx;
    jobs::WriteBackTargetHook m_handOver;
    data::Connection m_updateCnn;  // the connection of the latest test, left open

    QPlainTextEdit* m_txtCnnString = nullptr;
    QLineEdit* m_txtTable = nullptr;
    QLineEdit* m_txtField = nullptr;
    QLineEdit* m_txtField1 = nullptr;
    QLineEdit* m_txtID = nullptr;
    QList<QComboBox*> m_comboDataType;
    QList<QLabel*> m_lblFieldName;

    bool m_loaded = false;
    bool m_showMessage = false;
    bool m_notConnected = false;
};

}  // namespace tervalo::warehouse
