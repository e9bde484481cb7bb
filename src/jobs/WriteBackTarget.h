#pragma once
// Where the write-back copies the items' order quantities and reorder points:
// the eight texts the write-back settings window hands to the item card, in
// the order the card receives them. A value whose type is exactly "Numeric"
// is written as a number, any other as text.
#include <QString>
#include <functional>

namespace tervalo::jobs {

struct WriteBackTarget {
    QString cnnString;         // connection string of the target database
    QString tableName;         // the table that receives the values
    QString reorderLevelName;  // the column for the reorder point
    QString orderQtyName;      // the column for the order quantity
    QString idName;            // the key column, matched against the item's ItemID
    QString levelType;         // how the reorder point is written
    QString qtyType;           // how the order quantity is written
    QString idType;            // how the key is written

    bool operator==(const WriteBackTarget&) const = default;
};

inline const QString kNumericType = QStringLiteral("Numeric");

// Receives the target when the settings window closes (the item card).
using WriteBackTargetHook = std::function<void(const WriteBackTarget&)>;

// The item card as the settings window reaches it: it keeps the target it
// was last handed for the write-back run.
class WriteBackTargetReceiver {
public:
    virtual ~WriteBackTargetReceiver() = default;
    virtual void getUpdateInfo(const WriteBackTarget& target) = 0;
};

}  // namespace tervalo::jobs
