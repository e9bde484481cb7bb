#pragma once
// Which files of a folder an import takes, and where each one goes: the kind
// of import from its settings text, the extension test of that kind (the last
// three characters of the name, without case; no dot needed) and the table
// from the start of the name (ITS, SM, SW, without case).
#include <QString>
#include <optional>

namespace tervalo::import {

enum class ImportKind { Text, DBase, Excel, Other };
enum class ImportTable { Items, Sales, SalesWeekly };

// "TextFile", "dBaseFile", "ExcelFile", "OtherFile", matched exactly;
// nullopt for any other text, "textfile" included.
std::optional<ImportKind> importKindOf(const QString& dataType);
// The settings text of a kind ("TextFile" ...).
QString dataTypeText(ImportKind kind);
// How the log names the files of a kind ("text files").
QString kindFilesText(ImportKind kind);

// The table's name in the database ("Items", "Sales", "SalesWeekly").
QString tableName(ImportTable table);

// Whether a file name (without its folder) passes the kind's extension test.
bool passesExtension(ImportKind kind, const QString& fileName);
// The table a file name sends its records to; nullopt when no prefix matches.
std::optional<ImportTable> targetTable(const QString& fileName);

}  // namespace tervalo::import
