#include "data/ItemCursor.h"

#include <QSqlField>

#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

const QString kItemId = QStringLiteral("ItemID");

bool sameKey(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
}

bool beginsWith(const QVariant& value, const QString& prefix) {
    return !value.isNull() && value.toString().startsWith(prefix, Qt::CaseInsensitive);
}

}  // namespace

void ItemCursor::open() {
    m_repo.openItems(m_items);
    m_editing = m_new = false;
}

void ItemCursor::requery() {
    if (!isOpen()) throw objectClosedError();
    m_editing = m_new = false;
    m_items.requery();
}

int ItemCursor::recordCount() const { return m_items.recordCount() + (m_new ? 1 : 0); }

bool ItemCursor::bof() const { return !m_new && m_items.bof(); }

bool ItemCursor::eof() const { return !m_new && m_items.eof(); }

int ItemCursor::absolutePosition() const {
    if (m_new) return recordCount();
    return onRow() ? m_items.position() + 1 : 0;
}

QString ItemCursor::positionText() const {
    return QString::number(absolutePosition()) + " of " + QString::number(recordCount());
}

void ItemCursor::writePending() {
    if (m_editing) update();
}

void ItemCursor::moveFirst() {
    writePending();
    m_items.moveFirst();
}

void ItemCursor::moveLast() {
    writePending();
    m_items.moveLast();
}

void ItemCursor::moveNext() {
    writePending();
    m_items.moveNext();
}

void ItemCursor::movePrevious() {
    writePending();
    m_items.movePrevious();
}

void ItemCursor::step(Step step) {
    switch (step) {
        case Step::First:
            if (bof()) return;
            moveFirst();
            if (bof()) moveNext();
            return;
        case Step::Previous:
            if (bof()) return;
            movePrevious();
            if (bof()) moveNext();
            return;
        case Step::Next:
            if (eof()) return;
            moveNext();
            if (eof()) movePrevious();
            return;
        case Step::Last:
            if (eof()) return;
            moveLast();
            if (eof()) movePrevious();
            return;
    }
}

void ItemCursor::locate(const QString& id, const QString& name) {
    if (recordCount() <= 0) return;
    moveFirst();
    const QString field = id.isEmpty() ? QStringLiteral("Item") : kItemId;
    const QString prefix = id.isEmpty() ? name : id;
    while (!m_items.eof() && !beginsWith(m_items.field(field), prefix))
        m_items.moveNext();
    if (m_items.eof()) m_items.movePrevious();
}

void ItemCursor::requireRow() const {
    // The snapshot raises the recordset's own error when it stands on no row.
    if (!m_new) m_items.record();
}

QVariant ItemCursor::field(const QString& name) const {
    if (m_editing) {
        if (!m_pending.contains(name)) return m_items.field(name);  // raises the unknown-field error
        return m_pending.value(name);
    }
    return m_items.field(name);
}

void ItemCursor::setField(const QString& name, const QVariant& value) {
    requireRow();
    if (!m_editing) {
        m_pending = m_items.record();
        m_editing = true;
    }
    if (!m_pending.contains(name)) m_items.field(name);  // raises the unknown-field error
    m_pending.setValue(name, value);
    if (!m_changed.contains(name)) m_changed << name;
}

QVariant ItemCursor::storedKey() const { return m_new || !onRow() ? QVariant() : m_items.field(kItemId); }

bool ItemCursor::isUnfinished() const {
    for (const char* name : {"ItemID", "Item", "TimeUnit"})
        if (field(QLatin1String(name)).isNull()) return true;
    return false;
}

void ItemCursor::addNew() {
    if (!isOpen()) throw objectClosedError();
    writePending();
    QSqlRecord row;
    const QStringList names = m_items.fieldNames();
    for (const QString& name : names)
        row.append(QSqlField(name));
    m_pending = row;
    m_new = m_editing = true;
}

void ItemCursor::cancelUpdate() {
    m_new = m_editing = false;
    m_pending = QSqlRecord();
    m_changed.clear();
}

void ItemCursor::update() {
    if (!m_editing) return;
    if (m_new) {
        m_repo.insertItem(m_pending);
    } else {
        QSqlRecord changes;
        for (const QString& name : std::as_const(m_changed))
            changes.append(m_pending.field(name));
        try {
            m_repo.updateItem(m_items.record(), changes);
        } catch (const ChangedRowError&) {
            rereadAsStored();
            throw;
        }
    }
    const QVariant key = m_pending.value(kItemId);
    cancelUpdate();
    m_items.requery();
    seek(key);
}

void ItemCursor::deleteCurrent() {
    requireRow();
    if (m_new) {
        cancelUpdate();
        return;
    }
    try {
        m_repo.deleteItem(m_items.record());
    } catch (const ChangedRowError&) {
        rereadAsStored();
        throw;
    }
    requery();
}

// The row as another writer left it replaces what this cursor read and the changes made to that.
void ItemCursor::rereadAsStored() {
    const QVariant stored = m_items.field(kItemId);
    cancelUpdate();
    m_items.requery();
    seek(stored);
}

void ItemCursor::seek(const QVariant& key) {
    if (m_items.recordCount() == 0) return;
    m_items.moveFirst();
    while (!m_items.eof() && !sameKey(m_items.field(kItemId), key))
        m_items.moveNext();
    if (m_items.eof()) m_items.moveFirst();
}

}  // namespace tervalo::data
