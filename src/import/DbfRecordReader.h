#pragma once
// Reads the records of a dBase table (.dbf, read with shapelib): its field
// names are the record's field names, and each row not marked deleted is one
// record of (field name, value) pairs in field order. Values come trimmed of
// the blanks that pad dBase fields; a logical field gives "True", "False" or
// "" (unknown); an empty field gives "". The file's bytes are read from
// memory, so any file name will do and nothing is written.
#include <QByteArray>

#include "import/ImportRecord.h"

namespace tervalo::import {

ReadResult readDbfRecords(const QByteArray& bytes);

}  // namespace tervalo::import
