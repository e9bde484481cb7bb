#include "warehouse/ImportFileRules.h"

namespace tervalo::warehouse {

namespace {

struct KindText {
    ImportKind kind;
    const char* dataType;
    const char* files;
};
constexpr KindText kKinds[] = {
    {ImportKind::Text, "TextFile", "text files"},
    {ImportKind::DBase, "dBaseFile", "dBase files"},
    {ImportKind::Excel, "ExcelFile", "Excel workbooks"},
    {ImportKind::Other, "OtherFile", "other databases"},
};

// Tested in this order on the upper-cased name.
struct Prefix {
    const char* start;
    ImportTable table;
};
constexpr Prefix kPrefixes[] = {
    {"ITS", ImportTable::Items},
    {"SM", ImportTable::Sales},
    {"SW", ImportTable::SalesWeekly},
};

const KindText& textOf(ImportKind kind) {
    for (const KindText& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds[0];
}

}  // namespace

std::optional<ImportKind> importKindOf(const QString& dataType) {
    for (const KindText& k : kKinds)
        if (dataType == QLatin1String(k.dataType)) return k.kind;
    return std::nullopt;
}

QString dataTypeText(ImportKind kind) { return QString::fromLatin1(textOf(kind).dataType); }

QString kindFilesText(ImportKind kind) { return QString::fromLatin1(textOf(kind).files); }

QString tableName(ImportTable table) {
    switch (table) {
        case ImportTable::Items:
            return QStringLiteral("Items");
        case ImportTable::Sales:
            return QStringLiteral("Sales");
        case ImportTable::SalesWeekly:
            return QStringLiteral("SalesWeekly");
    }
    return QString();
}

bool passesExtension(ImportKind kind, const QString& fileName) {
    const QString last = fileName.right(3).toUpper();
    switch (kind) {
        case ImportKind::Text:
            return last == QLatin1String("TXT");
        case ImportKind::DBase:
            return last == QLatin1String("DBF");
        case ImportKind::Excel:
            return last == QLatin1String("XLS") || last == QLatin1String("XCL");
        case ImportKind::Other:
            return false;
    }
    return false;
}

std::optional<ImportTable> targetTable(const QString& fileName) {
    const QString upper = fileName.toUpper();
    for (const Prefix& p : kPrefixes)
        if (upper.startsWith(QLatin1String(p.start))) return p.table;
    return std::nullopt;
}

}  // namespace tervalo::warehouse
