#pragma once
// frmFindItem, "Search for an Item": two boxes, the item key and the item
// name. Every change of a box that leaves it non-empty moves the item card to
// the first item whose key (or name) begins with the text, then brings the
// search window to the front so that it stays above the card. Esc closes it.
#include <QWidget>

class QLineEdit;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::warehouse {

// What the search asks of the item card.
class ItemLocator {
public:
    virtual ~ItemLocator() = default;
    // Moves the card to the first item whose key begins with `id` or, when
    // `id` is empty, whose name begins with `name` (any case, every character
    // taken as itself); to the last item when none does.
    virtual void locateItem(const QString& id, const QString& name) = 0;
};

class FindItemWindow : public QWidget {
    Q_OBJECT
public:
    explicit FindItemWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* itemIdBox() const { return m_itemId; }
    QLineEdit* itemNameBox() const { return m_itemName; }
    QSize sizeHint() const override;

private:
    void search(const QString& id, const QString& name);

    widgets::AppContext& m_ctx;
    QLineEdit* m_itemId;
    QLineEdit* m_itemName;
};

}  // namespace tervalo::warehouse
