#include "import/ImportService.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <map>
#include <new>
#include <numeric>
#include <vector>

#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ImportRepository.h"
#include "data/SchemaRepository.h"
#include "import/ImportFileRules.h"
#include "import/ImportFolderFiles.h"
#include "import/ImportStore.h"
#include "import/RecordConversion.h"

namespace tervalo::import {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kImportTitle = QStringLiteral("Import External Data");

// A file that passed the name tests, with what its reading and checking found.
struct TakenFile {
    QString name;
    ImportTable table = ImportTable::Items;
    PlaceWord placeWord = PlaceWord::Line;
    QList<ConvertedRecord> rows;  // until they are stored
    qsizetype records = 0;        // how many rows it gave
    QStringList notes;            // ignored fields
    QString log;                  // its lines, once it was taken in
    QString rejection;            // empty while the file is accepted
    int rejectionPlace = 0;
};

// Where a record was first seen: its file and its record (0 for a file of one record).
struct Place {
    std::size_t file;
    int record;
};

class Log {
public:
    void line(const QString& text) {
        m_text += text;
        m_text += kCrLf;
    }
    void append(const QString& lines) { m_text += lines; }
    void reserve(qsizetype more) { m_text.reserve(m_text.size() + more); }
    QString text() const { return m_text; }

private:
    QString m_text;
};

// The log's line for a file that passed its checks, so the log names every file it looked at.
QString readLine(const TakenFile& file) {
    return "Read " + file.name + ": " + QString::number(file.records) +
           (file.records == 1 ? QStringLiteral(" record for ") : QStringLiteral(" records for ")) +
           tableName(file.table) + '.';
}

QString rejectionLine(const TakenFile& file) {
    QString line = "Rejected " + file.name;
    if (file.rejectionPlace > 0) line += ", " + placeText(file.placeWord, file.rejectionPlace);
    return line + ": " + file.rejection + ".";
}

class FolderImport {
public:
    FolderImport(data::Connection& cnn, ImportKind kind, QString folder, const QDate& today,
                 const XlsReaderProcess& xlsReader)
        : m_cnn(cnn), m_store(cnn), m_kind(kind), m_folder(std::move(folder)), m_today(today), m_xlsReader(xlsReader) {}

    ImportOutcome run() {
        m_log.line("Import of " + kindFilesText(m_kind) + " from " + m_folder);
        ImportFolderFiles folder;
        if (!folder.open(m_folder, m_kind, m_xlsReader)) return folderUnreadable();
        try {
            const QStringList& names = folder.names();
            m_files.resize(std::size_t(names.size()));
            for (std::size_t i = 0; i < m_files.size(); ++i) {
                m_files[i].name = names[qsizetype(i)];
                m_files[i].table = folder.tables()[i];
                columnsOf(m_files[i].table);  // read from the database here, not in the readers
            }
            m_counts.filesRead = int(names.size());
            // A record a file at the least: room for the checks' keys, not made again and again.
            qsizetype files[3] = {0, 0, 0};
            for (const TakenFile& file : m_files)
                ++files[int(file.table)];
            m_runItems.reserve(files[0]);
            m_items.reserve(files[0]);
            m_years[0].reserve(files[1]);
            m_years[1].reserve(files[2]);
            // The Items files first, so that every item of the import is known
            // when the first sales file is checked, then Sales, then SalesWeekly,
            // each in name order. The files are read side by side and taken in
            // (checked and stored) one by one in this order as soon as each is read.
            std::vector<std::size_t> order(m_files.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(),
                             [this](std::size_t a, std::size_t b) { return m_files[a].table < m_files[b].table; });
            readInOrder(
                int(order.size()), [&](int i) { take(folder, m_files[order[std::size_t(i)]]); },
                [&](int i) { takeIn(order[std::size_t(i)]); }, [&](int i) { release(m_files[order[std::size_t(i)]]); });
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
        m_store.rollback();
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

    // Reads and checks one file; runs beside the others, on a reading thread,
    // so it reads no other shared state, and an exception (memory running out
    // on a huge file) refuses the file instead of leaving the thread.
    void take(const ImportFolderFiles& folder, TakenFile& file) const noexcept {
        try {
            readAndCheck(folder, file);
        } catch (const std::bad_alloc&) {
            refuseUnread(file, QStringLiteral("there is not enough memory to read it"));
        } catch (...) {
            refuseUnread(file, QStringLiteral("it cannot be read"));
        }
        file.records = file.rows.size();
    }

    static void refuseUnread(TakenFile& file, const QString& why) {
        file.rows = {};
        file.notes = {};
        file.rejection = why;
        file.rejectionPlace = 0;
    }

    void readAndCheck(const ImportFolderFiles& folder, TakenFile& file) const {
        const ReadResult read = folder.read(file.name);
        file.placeWord = read.placeWord;
        if (!read.ok()) {
            file.rejection = read.problem;
            file.rejectionPlace = read.problemPlace;
        } else {
            const TargetColumns& target = m_columns.at(file.table);
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
    }

    // Takes in one file that was read, in the reading order: the checks against
    // the files before it, then its rows go to the database unless some file
    // was refused, as nothing will be kept then.
    void takeIn(std::size_t f) {
        TakenFile& file = m_files[f];
        if (file.table == ImportTable::Items)
            for (const ConvertedRecord& row : file.rows)
                m_runItems.insert(row.key);
        if (file.rejection.isEmpty()) check(f);
        if (!file.rejection.isEmpty())
            m_refused = true;
        else if (!m_refused)
            m_store.store(m_columns.at(file.table), file.rows);
    }

    // One file per item (Items) and per item and year (sales), and sales
    // records need their item: each file against the files of its table
    // before it.
    void check(std::size_t f) {
        const auto where = [this](const Place& place) {
            const TakenFile& other = m_files[place.file];
            return place.record ? other.name + ", " + placeText(other.placeWord, place.record) : other.name;
        };
        TakenFile& file = m_files[f];
        if (file.table == ImportTable::Items) {
            for (const ConvertedRecord& row : file.rows) {
                const QString& key = row.key;
                const auto earlier = m_items.constFind(key);
                if (earlier != m_items.constEnd()) {
                    file.rejection = "item \"" + row.itemId + "\" is also in " + where(*earlier);
                    file.rejectionPlace = row.record;
                    return;
                }
                m_items.insert(key, {f, row.record});
            }
            return;
        }
        // The items of the database, read once the first sales file comes.
        const QSet<QString>& stored = m_store.itemKeys();
        auto& years = m_years[file.table == ImportTable::Sales ? 0 : 1];
        for (const ConvertedRecord& row : file.rows) {
            const QString& key = row.key;
            if (!stored.contains(key) && !m_runItems.contains(key)) {
                file.rejection = "item \"" + row.itemId + "\" has no row in Items and no Items file of this import";
                file.rejectionPlace = row.record;
                return;
            }
            const auto earlier = years.constFind({key, row.year});
            if (earlier != years.constEnd()) {
                file.rejection = QStringLiteral("item \"%1\", year %2 is also in %3")
                                     .arg(row.itemId)
                                     .arg(row.year)
                                     .arg(where(*earlier));
                file.rejectionPlace = row.record;
                return;
            }
            years.insert({key, row.year}, {f, row.record});
        }
    }

    // Once a file was taken in: its rows go, its lines are written (beside
    // the taking in of the next files).
    static void release(TakenFile& file) {
        file.rows = {};
        Log log;
        if (file.rejection.isEmpty()) log.line(readLine(file));
        for (const QString& note : file.notes)
            log.line(note);
        if (!file.rejection.isEmpty()) log.line(rejectionLine(file));
        file.log = log.text();
    }

    ImportOutcome finish() {
        qsizetype size = 0;
        for (const TakenFile& file : m_files)
            size += file.log.size();
        m_log.reserve(size);
        for (const TakenFile& file : m_files) {
            m_log.append(file.log);
            if (!file.rejection.isEmpty()) ++m_counts.filesRejected;
        }
        m_log.line(QStringLiteral("Files read: %1").arg(m_counts.filesRead));
        if (m_counts.filesRejected > 0) {
            m_store.rollback();
            m_log.line(QStringLiteral("Files rejected: %1").arg(m_counts.filesRejected));
            m_log.line(QStringLiteral("Nothing was stored."));
            return outcome(ImportStatus::Rejected);
        }
        m_store.commit();
        m_counts.items = m_store.stored(ImportTable::Items);
        m_counts.sales = m_store.stored(ImportTable::Sales);
        m_counts.salesWeekly = m_store.stored(ImportTable::SalesWeekly);
        m_log.line(QStringLiteral("Records stored: %1 (Items %2, Sales %3, SalesWeekly %4)")
                       .arg(m_counts.recordsStored())
                       .arg(m_counts.items)
                       .arg(m_counts.sales)
                       .arg(m_counts.salesWeekly));
        return outcome(ImportStatus::Stored);
    }

    data::Connection& m_cnn;
    ImportStore m_store;
    ImportKind m_kind;
    QString m_folder;
    QDate m_today;
    const XlsReaderProcess& m_xlsReader;
    Log m_log;
    ImportCounts m_counts;
    std::vector<TakenFile> m_files;
    QSet<QString> m_runItems;                      // the items of every Items file
    QHash<QString, Place> m_items;                 // each Items file's items, where first seen
    QHash<QPair<QString, int>, Place> m_years[2];  // each sales file's items and years: Sales, SalesWeekly
    bool m_refused = false;                        // some file was refused
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

}  // namespace tervalo::import
