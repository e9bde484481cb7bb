#include "warehouse/ImportService.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <map>
#include <vector>

#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ImportRepository.h"
#include "data/SchemaRepository.h"
#include "data/Transaction.h"
#include "warehouse/ImportFileRules.h"
#include "warehouse/ImportFolderFiles.h"
#include "warehouse/RecordConversion.h"

namespace tervalo::warehouse {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kImportTitle = QStringLiteral("Import External Data");

// A file that passed the name tests, with what its reading and checking found.
struct TakenFile {
    QString name;
    ImportTable table = ImportTable::Items;
    PlaceWord placeWord = PlaceWord::Line;
    QList<ConvertedRecord> rows;
    QStringList notes;  // ignored fields
    QString rejection;  // empty while the file is accepted
    int rejectionPlace = 0;
};

class Log {
public:
    void line(const QString& text) { m_text += text + kCrLf; }
    QString text() const { return m_text; }

private:
    QString m_text;
};

// The log's line for a file that passed its checks, so the log names every file it looked at.
QString readLine(const TakenFile& file) {
    const qsizetype records = file.rows.size();
    return QStringLiteral("Read %1: %2 record%3 for %4.")
        .arg(file.name)
        .arg(records)
        .arg(records == 1 ? "" : "s")
        .arg(tableName(file.table));
}

QString rejectionLine(const TakenFile& file) {
    QString line = "Rejected " + file.name;
    if (file.rejectionPlace > 0) line += ", " + placeText(file.placeWord, file.rejectionPlace);
    return line + ": " + file.rejection + ".";
}

// New rows of one table, written many to a statement while they name the
// same columns in the same order (the key columns first).
class InsertBatch {
public:
    InsertBatch(data::ImportRepository& repo, QString table) : m_repo(repo), m_table(std::move(table)) {}

    void add(const QVariantList& key, const data::ColumnValues& values) {
        QStringList columns = key.size() == 1 ? QStringList{QStringLiteral("ItemID")}
                                              : QStringList{QStringLiteral("ItemID"), QStringLiteral("Year")};
        QVariantList row = key;
        for (const auto& v : values) {
            columns.append(v.first);
            row.append(v.second);
        }
        if (columns != m_columns) {
            flush();
            m_columns = columns;
        }
        m_rows.append(row);
    }
    void flush() {
        m_repo.insertRows(m_table, m_columns, m_rows);
        m_rows.clear();
    }

private:
    data::ImportRepository& m_repo;
    QString m_table;
    QStringList m_columns;
    QList<QVariantList> m_rows;
};

class FolderImport {
public:
    FolderImport(data::Connection& cnn, ImportKind kind, QString folder, const QDate& today,
                 const XlsReaderProcess& xlsReader)
        : m_cnn(cnn), m_repo(cnn), m_kind(kind), m_folder(std::move(folder)), m_today(today), m_xlsReader(xlsReader) {}

    ImportOutcome run() {
        m_log.line("Import of " + kindFilesText(m_kind) + " from " + m_folder);
        ImportFolderFiles folder;
        if (!folder.open(m_folder, m_kind, m_xlsReader)) return folderUnreadable();
        try {
            const QStringList& names = folder.names();
            for (const QString& name : names)
                columnsOf(*targetTable(name));  // read from the database here, not in the readers
            m_files.resize(std::size_t(names.size()));
            runInParallel(int(names.size()), [&](int i) { m_files[std::size_t(i)] = take(folder, names[i]); });
            m_counts.filesRead = int(names.size());
            for (const TakenFile& file : m_files)
                if (file.table == ImportTable::Items)
                    for (const ConvertedRecord& row : file.rows)
                        m_runItems.insert(data::ImportRepository::foldedKey(row.itemId));
            crossCheck();
            return finish();
        } catch (const core::RuntimeError& error) {
            return databaseFailed(QString::fromStdString(error.description()));
        }
    }

private:
    ImportOutcome folderUnreadable() {
        const QString text = m_folder.isEmpty()
                                 ? QStringLiteral("No folder was chosen for the import. Nothing was imported.")
                                 : "The folder \"" + m_folder + "\" cannot be read. Nothing was imported.";
        m_log.line(text);
        ImportOutcome out = outcome(ImportStatus::FolderUnreadable);
        out.notice = core::CheckMessage{text.toStdString(), kImportTitle.toStdString(), core::MessageIcon::Exclamation};
        return out;
    }

    ImportOutcome databaseFailed(const QString& description) {
        m_counts.items = m_counts.sales = m_counts.salesWeekly = 0;
        m_log.line("The database refused the import: " + description);
        m_log.line(QStringLiteral("Nothing was stored."));
        return outcome(ImportStatus::DatabaseFailed);
    }

    ImportOutcome outcome(ImportStatus status) {
        ImportOutcome out;
        out.status = status;
        out.counts = m_counts;
        out.log = m_log.text();
        return out;
    }

    const TargetColumns& columnsOf(ImportTable table) {
        auto it = m_columns.find(table);
        if (it != m_columns.end()) return it->second;
        TargetColumns target;
        target.table = table;
        for (const data::SchemaColumn& c : data::SchemaRepository(m_cnn).columnsOf(tableName(table)))
            target.columns.append({c.columnName, TargetColumns::kindOf(c.dataType)});
        return m_columns.emplace(table, std::move(target)).first->second;
    }

    // Reads and checks one file; runs beside the others, so it only reads shared state.
    TakenFile take(const ImportFolderFiles& folder, const QString& name) const {
        const std::optional<ImportTable> table = targetTable(name);
        TakenFile file;
        file.name = name;
        file.table = *table;
        const ReadResult read = folder.read(name);
        file.placeWord = read.placeWord;
        if (!read.ok()) {
            file.rejection = read.problem;
            file.rejectionPlace = read.problemPlace;
        } else {
            const TargetColumns& target = m_columns.at(*table);
            for (const ImportRecord& record : read.records) {
                ConvertedRecord row = convertRecord(record, read, target, m_today);
                row.record = record.record;
                if (!row.ok()) {
                    file.rejection = row.problem;
                    file.rejectionPlace = row.problemPlace ? row.problemPlace : record.record;
                    break;
                }
                for (const QString& note : row.ignored)
                    file.notes.append(file.name + ", " + note + "; ignored.");
                file.rows.append(std::move(row));
            }
            if (read.records.isEmpty() && file.rejection.isEmpty())
                file.rejection = QStringLiteral("it holds no record");
        }
        return file;
    }

    // One file per item (Items) and per item and year (sales), and sales
    // records need their item.
    void crossCheck() {
        struct Place {
            std::size_t file;
            int record;
        };
        const auto where = [this](const Place& place) {
            const TakenFile& other = m_files[place.file];
            return place.record ? other.name + ", " + placeText(other.placeWord, place.record) : other.name;
        };
        QHash<QString, Place> items;
        QHash<QPair<QString, int>, Place> seen[2];  // Sales, SalesWeekly
        std::optional<QSet<QString>> stored;
        for (std::size_t f = 0; f < m_files.size(); ++f) {
            TakenFile& file = m_files[f];
            if (!file.rejection.isEmpty()) continue;
            if (file.table == ImportTable::Items) {
                for (const ConvertedRecord& row : file.rows) {
                    const QString key = data::ImportRepository::foldedKey(row.itemId);
                    const auto earlier = items.constFind(key);
                    if (earlier != items.constEnd()) {
                        file.rejection = "item \"" + row.itemId + "\" is also in " + where(*earlier);
                        file.rejectionPlace = row.record;
                        break;
                    }
                    items.insert(key, {f, row.record});
                }
                continue;
            }
            if (!stored) stored = m_repo.itemKeys();
            auto& years = seen[file.table == ImportTable::Sales ? 0 : 1];
            for (const ConvertedRecord& row : file.rows) {
                const QString key = data::ImportRepository::foldedKey(row.itemId);
                if (!stored->contains(key) && !m_runItems.contains(key)) {
                    file.rejection = "item \"" + row.itemId + "\" has no row in Items and no Items file of this import";
                    file.rejectionPlace = row.record;
                    break;
                }
                const auto earlier = years.constFind({key, row.year});
                if (earlier != years.constEnd()) {
                    file.rejection = QStringLiteral("item \"%1\", year %2 is also in %3")
                                         .arg(row.itemId)
                                         .arg(row.year)
                                         .arg(where(*earlier));
                    file.rejectionPlace = row.record;
                    break;
                }
                years.insert({key, row.year}, {f, row.record});
            }
        }
    }

    ImportOutcome finish() {
        for (const TakenFile& file : m_files) {
            if (file.rejection.isEmpty()) m_log.line(readLine(file));
            for (const QString& note : file.notes)
                m_log.line(note);
            if (!file.rejection.isEmpty()) {
                m_log.line(rejectionLine(file));
                ++m_counts.filesRejected;
            }
        }
        m_log.line(QStringLiteral("Files read: %1").arg(m_counts.filesRead));
        if (m_counts.filesRejected > 0) {
            m_log.line(QStringLiteral("Files rejected: %1").arg(m_counts.filesRejected));
            m_log.line(QStringLiteral("Nothing was stored."));
            return outcome(ImportStatus::Rejected);
        }
        store();
        m_log.line(QStringLiteral("Records stored: %1 (Items %2, Sales %3, SalesWeekly %4)")
                       .arg(m_counts.recordsStored())
                       .arg(m_counts.items)
                       .arg(m_counts.sales)
                       .arg(m_counts.salesWeekly));
        return outcome(ImportStatus::Stored);
    }

    void store() {
        if (m_files.empty()) return;
        data::Transaction transaction(m_cnn);
        QSet<QString> items = m_repo.itemKeys();
        InsertBatch added(m_repo, tableName(ImportTable::Items));
        for (const TakenFile& file : m_files) {
            if (file.table != ImportTable::Items) continue;
            for (const ConvertedRecord& row : file.rows) {
                const QString key = data::ImportRepository::foldedKey(row.itemId);
                if (items.contains(key)) {
                    added.flush();  // the row may be one this import adds
                    m_repo.updateItem(row.itemId, row.values);
                } else {
                    added.add({row.itemId}, row.values);
                    items.insert(key);
                }
                ++m_counts.items;
            }
        }
        added.flush();
        for (ImportTable table : {ImportTable::Sales, ImportTable::SalesWeekly})
            storeSales(table);
        transaction.commit();
    }

    void storeSales(ImportTable table) {
        const QString name = tableName(table);
        std::optional<QSet<QPair<QString, int>>> years;
        InsertBatch added(m_repo, name);
        for (const TakenFile& file : m_files) {
            if (file.table != table) continue;
            if (!years) years = m_repo.salesYears(name);
            for (const ConvertedRecord& row : file.rows) {
                const QPair<QString, int> key{data::ImportRepository::foldedKey(row.itemId), row.year};
                if (years->contains(key)) {
                    added.flush();
                    m_repo.updateSalesYear(name, row.itemId, row.year, row.values);
                } else {
                    added.add({row.itemId, row.year}, row.values);
                    years->insert(key);
                }
                ++(table == ImportTable::Sales ? m_counts.sales : m_counts.salesWeekly);
            }
        }
        added.flush();
    }

    data::Connection& m_cnn;
    data::ImportRepository m_repo;
    ImportKind m_kind;
    QString m_folder;
    QDate m_today;
    const XlsReaderProcess& m_xlsReader;
    Log m_log;
    ImportCounts m_counts;
    std::vector<TakenFile> m_files;
    QSet<QString> m_runItems;
    std::map<ImportTable, TargetColumns> m_columns;
};

}  // namespace

core::CheckMessage ImportService::accessNote() {
    return {
        "In the folder you installed this program, there is a MS Access database called \"dbWHouse\". Open "
        "this database to import data there.",
        "Import from Access", core::MessageIcon::Information};
}

ImportOutcome ImportService::importFolder(data::Connection& cnn, const QString& dataType, const QString& folder,
                                          const QDate& today, const XlsReaderProcess& xlsReader) {
    const std::optional<ImportKind> kind = importKindOf(dataType);
    ImportOutcome out;
    if (!kind) {
        out.status = ImportStatus::UnknownKind;
        return out;
    }
    if (*kind == ImportKind::Other) {
        out.status = ImportStatus::AccessNote;
        out.notice = accessNote();
        return out;
    }
    return FolderImport(cnn, *kind, folder, today, xlsReader).run();
}

}  // namespace tervalo::warehouse
