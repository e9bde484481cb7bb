#pragma once
// What the readers make of an import file: records of (field name, value)
// pairs, each pair with the place it came from, or the reason the file cannot
// be read. A text file or a worksheet holds one record; a dBase table one
// record per row.
#include <QList>
#include <QString>

namespace tervalo::import {

struct ImportPair {
    QString name;
    QString value;
    int place = 0;  // the line (text), the sheet row (Excel) or the record number (dBase), from 1
};

struct ImportRecord {
    QList<ImportPair> pairs;
    int record = 0;  // the record number within a dBase table, else 0
};

// How a file names its places in the log: "line", "row" or "record".
enum class PlaceWord { Line, Row, Record };

struct ReadResult {
    QList<ImportRecord> records;
    PlaceWord placeWord = PlaceWord::Line;
    // dBase field names hold ten characters at most: a name of exactly ten
    // stands for a longer column name that it begins.
    bool shortFieldNames = false;
    QString problem;       // why the file cannot be read; empty when it was read
    int problemPlace = 0;  // the line or row the problem is in, 0 for the whole file

    bool ok() const { return problem.isEmpty(); }
};

// Pairs per record at most, as the stored record counts them.
constexpr int kMaxPairs = 32767;

}  // namespace tervalo::import
