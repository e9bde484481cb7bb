#include "import/RecordConversion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/NumberText.h"

namespace tervalo::import {

namespace {

const QString kItemId = QStringLiteral("ItemID");
const QString kYear = QStringLiteral("Year");
constexpr int kFirstYear = 1900;
// dBase field names are cut to this many characters.
constexpr int kShortNameLength = 10;

struct BooleanText {
    const char* text;
    bool value;
};
constexpr BooleanText kBooleans[] = {
    {"True", true}, {"False", false}, {"Yes", true}, {"No", false}, {"-1", true}, {"1", true}, {"0", false},
};

std::optional<bool> booleanOf(const QString& text) {
    for (const BooleanText& b : kBooleans)
        if (text.compare(QLatin1String(b.text), Qt::CaseInsensitive) == 0) return b.value;
    return std::nullopt;
}

std::optional<double> numberOf(const QString& text) {
    const std::string s = text.toStdString();
    if (!core::isNumber(s)) return std::nullopt;
    return core::leadingNumber(s);
}

QVariant storedNumber(double value) {
    if (value == std::floor(value) && std::fabs(value) < 9.0e15) return QVariant(qlonglong(value));
    return QVariant(value);
}

// The index of the column a field names: the same name without case, or for
// a dBase field name of full length the one column whose name begins with
// it; -1 for none.
int columnFor(const QString& name, const TargetColumns& target, bool shortNames) {
    const QList<TargetColumn>& columns = target.columns;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.size() == name.size() && columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    if (!shortNames || name.size() != kShortNameLength) return -1;
    int found = -1;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.startsWith(name, Qt::CaseInsensitive)) {
            if (found >= 0) return -1;
            found = i;
        }
    return found;
}

class Converter {
public:
    Converter(const ReadResult& read, const TargetColumns& target, const QDate& today)
        : m_read(read), m_target(target), m_today(today), m_slots(std::size_t(target.columns.size()), -1) {}

    ConvertedRecord run(const ImportRecord& record) {
        m_out.values.reserve(std::min(record.pairs.size(), m_target.columns.size()));
        for (const ImportPair& pair : record.pairs)
            if (!take(pair)) return m_out;
        if (!m_haveKey) return refuse(0, QStringLiteral("it has no ItemID"));
        if (isSales() && !m_haveYear) return refuse(0, QStringLiteral("it has no Year"));
        m_out.key = data::ImportRepository::foldedKey(m_out.itemId);
        return m_out;
    }

private:
    bool isSales() const { return m_target.table != ImportTable::Items; }

    ConvertedRecord& refuse(int place, const QString& why) {
        m_out.problem = why;
        m_out.problemPlace = place;
        return m_out;
    }

    bool take(const ImportPair& pair) {
        if (pair.name.isEmpty() && pair.value.isEmpty()) return true;
        const int index = columnFor(pair.name, m_target, m_read.shortFieldNames);
        if (index < 0) {
            const QString table = tableName(m_target.table);
            if (isSales()) {
                refuse(pair.place, table + " has no column \"" + pair.name + "\"");
                return false;
            }
            m_out.ignored.append(placeText(m_read.placeWord, pair.place) + ": " + table + " has no column \"" +
                                 pair.name + "\"");
            return true;
        }
        m_column = index;
        const TargetColumn* column = &m_target.columns[index];
        if (column->name.compare(kItemId, Qt::CaseInsensitive) == 0) return takeKey(pair);
        if (isSales() && column->name.compare(kYear, Qt::CaseInsensitive) == 0) return takeYear(pair);
        return takeValue(pair, *column);
    }

    bool takeKey(const ImportPair& pair) {
        if (pair.value.isEmpty()) {
            refuse(pair.place, QStringLiteral("the ItemID is empty"));
            return false;
        }
        if (m_haveKey && pair.value != m_out.itemId) {
            refuse(pair.place, "a second ItemID \"" + pair.value + "\" differs from \"" + m_out.itemId + "\"");
            return false;
        }
        m_haveKey = true;
        m_out.itemId = pair.value;
        return true;
    }

    bool takeYear(const ImportPair& pair) {
        const std::optional<double> number = numberOf(pair.value);
        const int thisYear = m_today.year();
        if (!number || *number != std::floor(*number) || *number < kFirstYear || *number > thisYear) {
            refuse(pair.place, QStringLiteral("Year \"%1\" is not a whole year from %2 to %3")
                                   .arg(pair.value)
                                   .arg(kFirstYear)
                                   .arg(thisYear));
            return false;
        }
        if (m_haveYear && int(*number) != m_out.year) {
            refuse(pair.place, QStringLiteral("a second Year %1 differs from %2").arg(int(*number)).arg(m_out.year));
            return false;
        }
        m_haveYear = true;
        m_out.year = int(*number);
        return true;
    }

    bool takeValue(const ImportPair& pair, const TargetColumn& column) {
        switch (column.kind) {
            case ColumnKind::Text:
                setValue(pair.value);
                return true;
            case ColumnKind::Number: {
                if (pair.value.isEmpty()) return true;  // the column keeps what it holds
                const std::optional<double> number = numberOf(pair.value);
                if (!number) {
                    refuse(pair.place, column.name + " \"" + pair.value + "\" is not a number");
                    return false;
                }
                setValue(storedNumber(*number));
                return true;
            }
            case ColumnKind::Boolean: {
                if (pair.value.isEmpty()) return true;
                const std::optional<bool> flag = booleanOf(pair.value);
                if (!flag) {
                    refuse(pair.place, column.name + " \"" + pair.value + "\" is not True, False, Yes, No, -1, 1 or 0");
                    return false;
                }
                setValue(*flag ? 1 : 0);
                return true;
            }
        }
        return true;
    }

    // Each column once in the row, the last value given winning.
    void setValue(const QVariant& value) {
        int& slot = m_slots[std::size_t(m_column)];
        if (slot >= 0) {
            m_out.values[slot].value = value;
            return;
        }
        slot = int(m_out.values.size());
        m_out.values.append({m_column, value});
    }

    const ReadResult& m_read;
    const TargetColumns& m_target;
    QDate m_today;
    std::vector<int> m_slots;  // per column, its place in the row's values, -1 while unset
    int m_column = -1;         // the column of the pair being taken
    ConvertedRecord m_out;
    bool m_haveKey = false;
    bool m_haveYear = false;
};

}  // namespace

ColumnKind TargetColumns::kindOf(const QString& declaredType) {
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("BOOL")) || type.contains(QLatin1String("BIT")) ||
        type.contains(QLatin1String("YESNO")))
        return ColumnKind::Boolean;
    static const char* const kNumberTypes[] = {"INT", "REAL", "FLOA", "DOUB", "NUM", "DEC", "CURRENCY", "MONEY"};
    for (const char* t : kNumberTypes)
        if (type.contains(QLatin1String(t))) return ColumnKind::Number;
    return ColumnKind::Text;
}

ConvertedRecord convertRecord(const ImportRecord& record, const ReadResult& read, const TargetColumns& target,
                              const QDate& today) {
    return Converter(read, target, today).run(record);
}

data::ColumnValues ConvertedRecord::namedValues(const TargetColumns& target) const {
    data::ColumnValues named;
    named.reserve(values.size());
    for (const ColumnValue& v : values)
        named.append({target.columns[v.column].name, v.value});
    return named;
}

QString placeText(PlaceWord word, int place) {
    switch (word) {
        case PlaceWord::Line:
            return QStringLiteral("line %1").arg(place);
        case PlaceWord::Row:
            return QStringLiteral("row %1").arg(place);
        case PlaceWord::Record:
            return QStringLiteral("record %1").arg(place);
    }
    return QString();
}

}  // namespace tervalo::import
