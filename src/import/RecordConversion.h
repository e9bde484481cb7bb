#pragma once
// Turns one record's pairs into the row the import writes, checking every value
// before anything is stored: the key is the value of the ItemID pair wherever
// it stands; a sales record needs a whole Year from 1900 to this year; number
// columns take numbers in C-locale text (blanks around allowed), SinglePeriod
// takes True/False/Yes/No/-1/1/0; an empty value leaves a number or Boolean
// column as it was. A field that names no column is ignored and listed for
// Items and refused for the sales tables, whose other columns are periods.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "data/ImportRepository.h"
#include "import/ImportFileRules.h"
#include "import/ImportRecord.h"

namespace tervalo::import {

enum class ColumnKind { Text, Number, Boolean };

struct TargetColumn {
    QString name;
    ColumnKind kind = ColumnKind::Text;
};

// The columns of a target table in their order, as the database declares them.
struct TargetColumns {
    ImportTable table = ImportTable::Items;
    QList<TargetColumn> columns;

    // The kind of a declared SQL type ("REAL" -> Number, "BOOLEAN" -> Boolean).
    static ColumnKind kindOf(const QString& declaredType);
};

// A value for the column of that index among the target's columns. Records
// name their columns by index: records are made on many threads at once, and
// copies of one shared name would have them all count its references.
struct ColumnValue {
    int column = 0;
    QVariant value;
};

struct ConvertedRecord {
    QString itemId;             // as the file gives it, blanks included
    QString key;                // the ItemID as the tables compare it (ImportRepository::foldedKey)
    int year = 0;               // sales tables only
    int record = 0;             // the record number within a dBase table, else 0
    QList<ColumnValue> values;  // the other columns, each once, last value wins
    QStringList ignored;        // "line 5: Items has no column "Color""
    QString problem;            // why the record is refused; empty when it is not
    int problemPlace = 0;       // the line, row or record of the problem; 0 for the whole record

    bool ok() const { return problem.isEmpty(); }
    // The values with their columns' names.
    data::ColumnValues namedValues(const TargetColumns& target) const;
};

ConvertedRecord convertRecord(const ImportRecord& record, const ReadResult& read, const TargetColumns& target,
                              const QDate& today);

// "line 3", "row 3", "record 3".
QString placeText(PlaceWord word, int place);

}  // namespace tervalo::import
