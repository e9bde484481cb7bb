#pragma once
// What the two quantity-discount window tests read and press: the window's
// controls by name, its policy, its two grids and its conclusion. A test class derives from
// it next to QObject and names its window in init().
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "support/WindowProbe.h"

namespace tervalo::test {

class DiscountWindowProbe {
protected:
    void probe(QWidget* window) { m_probed = window; }

    QLineEdit* box(const char* name) const { return test::box(*m_probed, name); }
    QString text(const char* name) const { return box(name)->text(); }
    void setBox(const char* name, const QString& value) const { box(name)->setText(value); }
    void click(const char* name) const { button(*m_probed, name)->click(); }
    QString cell(const char* grid, int row, int column) const { return test::cell(*m_probed, grid, row, column); }
    QString conclusion() const { return m_probed->findChild<QLabel*>("lblConclusion")->text(); }
    // Rows Purchase, Ordering, Holding, Total of one cost table column.
    QStringList costColumn(int column) const { return test::costColumn(*m_probed, column); }
    // The order quantity and interval boxes.
    QStringList policy() const { return {text("txtOrderQuantity"), text("txtOrderInterval")}; }
    // The comparison's quantities, then totals: no discount, discount considered.
    QStringList comparison() const {
        return {cell("MSFlexGrid2", 1, 1), cell("MSFlexGrid2", 1, 2), cell("MSFlexGrid2", 2, 1),
                cell("MSFlexGrid2", 2, 2)};
    }

private:
    QWidget* m_probed = nullptr;
};

}  // namespace tervalo::test
