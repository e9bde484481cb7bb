#include "warehouse/card/FindItemWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QVBoxLayout>

#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/InputBoxes.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

namespace fb = widgets::FormBuilder;

FindItemWindow::FindItemWindow(widgets::AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::FindItem));
    setWindowTitle(QStringLiteral("Search for an Item"));
    auto* outer = new QVBoxLayout(this);
    QGroupBox* frame = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("Search by"));
    auto* grid = new QGridLayout(frame);
    m_itemId = fb::inputBox(frame, QStringLiteral("txtItemID"));
    m_itemName = fb::inputBox(frame, QStringLiteral("txtItemName"));
    fb::addRow(grid, 0, fb::label(frame, QStringLiteral("Label1"), QStringLiteral("Item ID")), m_itemId);
    fb::addRow(grid, 1, fb::label(frame, QStringLiteral("Label2"), QStringLiteral("Item Name")), m_itemName);
    outer->addWidget(frame);
    outer->addStretch();

    // Yellow while a box has the focus, white otherwise.
    widgets::InputBoxOptions colouring;
    colouring.keyFilter = false;
    colouring.enterMovesOn = false;
    colouring.numberCheck = false;
    for (QLineEdit* box : {m_itemId, m_itemName})
        widgets::InputBoxes::install(box, colouring, &ctx.notifier);

    // Esc closes the search, as it closes a dialog.
    new QShortcut(
        QKeySequence(Qt::Key_Escape), this, this,
        [this] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
                sub->close();
            else
                close();
        },
        Qt::WidgetWithChildrenShortcut);

    connect(m_itemId, &QLineEdit::textChanged, this, [this](const QString& text) { search(text, QString()); });
    connect(m_itemName, &QLineEdit::textChanged, this, [this](const QString& text) { search(QString(), text); });
}

QSize FindItemWindow::sizeHint() const { return QSize(360, 130).expandedTo(QWidget::sizeHint()); }

void FindItemWindow::search(const QString& id, const QString& name) {
    if (id.isEmpty() && name.isEmpty()) return;
    if (auto* card = m_ctx.registry.instanceAs<ItemLocator>(widgets::WindowId::SalesData)) card->locateItem(id, name);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->raise();
    else
        raise();
}

}  // namespace tervalo::warehouse
