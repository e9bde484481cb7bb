#include "import/ImportFileRules.h"

namespace tervalo::import {

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

// Whether every character is ASCII: then upper-casing is ASCII's, a letter at a
// time, and the tests need not make an upper-cased copy (a folder may hold
// many thousands of names).
bool isAscii(QStringView text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// `text` upper-cased equals `upper` (upper-case ASCII); `text` is ASCII.
bool equalsUpper(QStringView text, QLatin1StringView upper) {
    if (text.size() != upper.size()) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'a' && c <= u'z') c = char16_t(c - (u'a' - u'A'));
        if (c != char16_t(upper[i].unicode())) return false;
    }
    return true;
}

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
    const QStringView end = QStringView(fileName).right(3);
    if (isAscii(end)) {
        switch (kind) {
            case ImportKind::Text:
                return equalsUpper(end, QLatin1StringView("TXT"));
            case ImportKind::DBase:
                return equalsUpper(end, QLatin1StringView("DBF"));
            case ImportKind::Excel:
                return equalsUpper(end, QLatin1StringView("XLS")) || equalsUpper(end, QLatin1StringView("XCL"));
            case ImportKind::Other:
                return false;
        }
    }
    const QString last = end.toString().toUpper();
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
    const QStringView start = QStringView(fileName).left(3);
    if (isAscii(start)) {
        for (const Prefix& p : kPrefixes) {
            const QLatin1StringView prefix(p.start);
            if (start.size() >= prefix.size() && equalsUpper(start.left(prefix.size()), prefix)) return p.table;
        }
        return std::nullopt;
    }
    const QString upper = fileName.toUpper();
    for (const Prefix& p : kPrefixes)
        if (upper.startsWith(QLatin1String(p.start))) return p.table;
    return std::nullopt;
}

}  // namespace tervalo::import
