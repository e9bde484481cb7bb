#pragma once
// The item card frmSalesData as the registry makes it on a copy of Demo.mdb,
// with a main window that records the Data menu's switching, and the texts the
// card's suites compare with.
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

#include "data/Connection.h"
#include "support/WarehouseRegistration.h"
#include "support/WindowTestContext.h"
#include "warehouse/WarehouseWindows.h"
#include "warehouse/card/SalesDataWindow.h"
#include "warehouse/card/SalesGrid.h"
#include "widgets/ChildForms.h"

namespace tervalo::test {

inline const QColor kYellow(0xFF, 0xFF, 0x00);
inline const QColor kWhite(0xFF, 0xFF, 0xFF);
// A main window that records the Data menu's switching.
class MenuStandIn : public QMainWindow, public widgets::MainWindowMenuState {
public:
    void setDataMenusEnabled(bool enable) override { switches << enable; }
    bool demoDatabaseChecked() const override { return true; }
    QList<bool> switches;
};

// The card as the registry makes it, after the database has been prepared.
struct Card {
    explicit Card(const QStringList& prepare = {}) {
        for (const QString& sql : prepare)
            t.cnn.execute(sql);
        t.ctx.mainWindow = &menus;
        test::registerWarehouse(t.ctx);
        w = t.registry.instanceAs<warehouse::SalesDataWindow>(widgets::WindowId::SalesData);
    }
    ~Card() {
        t.registry.unload(widgets::WindowId::FindItem);
        delete w;
    }
    const warehouse::SalesDataForm& f() const { return w->form(); }
    void act(warehouse::CardAction a) const { f().command1[int(a)]->click(); }
    void go(const QString& steps) const {
        const QStringList names = {"first", "prev", "next", "last"};
        for (const QString& s : steps.split(',', Qt::SkipEmptyParts))
            f().command2[names.indexOf(s)]->click();
    }
    QString position() const { return f().txtPosition->text(); }
    QAbstractItemModel& grid() const { return *f().grid->model(); }
    QString cell(int row, int column) const { return grid().index(row, column).data().toString(); }
    // The grid's Year column, newest first (the empty row for a new year left out).
    QStringList years() const {
        QStringList out;
        for (int r = 0; r + 1 < grid().rowCount(); ++r)
            out << cell(r, 1);
        return out;
    }
    bool showActive() const {
        w->resize(w->sizeHint());  // whole, as the workspace opens it
        w->show();
        return QTest::qWaitForWindowActive(w);
    }
    QColor colour(QWidget* control) const { return control->palette().color(QPalette::Base); }
    QVariant value(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q = t.cnn.run(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    // Commits a typed cell as the grid's editor does.
    void type(int row, int column, const QString& text) const {
        QTableView* view = f().grid;
        const QModelIndex index = view->model()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the grid commits Enter's edit from its event loop
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // and lets the editor go
    }
    // Typed into a box as the user does: the box takes the focus, then the keys.
    void typeInto(QLineEdit* box, const QString& text) const {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void clickOn(QWidget* control) const { QTest::mouseClick(control, Qt::LeftButton); }
    void chooseTimeUnit(const QString& unit) const {
        QComboBox* list = f().comboTimeUnit;
        list->setCurrentIndex(list->findText(unit));
        emit list->activated(list->currentIndex());
    }

    test::WindowTestContext t;
    MenuStandIn menus;
    warehouse::SalesDataWindow* w = nullptr;
};

inline QStringList yearsFrom(int newest) {
    QStringList out;
    for (int y = newest; y > newest - 5; --y)
        out << QString::number(y);
    return out;
}

}  // namespace tervalo::test
