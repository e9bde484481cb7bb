#include "warehouse/ImportService.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <map>

#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "data/ImportRepository.h"
#include "data/SchemaRepository.h"
#include "data/Transaction.h"
#include "warehouse/DbfRecordReader.h"
#include "warehouse/ImportFileRules.h"
#include "warehouse/RecordConversion.h"
#include "warehouse/TextRecordReader.h"
#include "warehouse/XlsRecordReader.h"

namespace tervalo::warehouse {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kImportTitle = QStringLiteral("Import External Data");
// A record file larger than this is not one a person made for the import.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

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

ReadResult unreadable(const QString& why) {
    ReadResult result;
    result.problem = why;
    return result;
}

// The whole file, read with plain system calls: an import may open many
// thousands of small files.
ReadResult readBytes(const QString& path, QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return unreadable(QStringLiteral("it cannot be opened"));
    struct stat st {};
    ReadResult result;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = unreadable(QStringLiteral("it cannot be read"));
    } else if (st.st_size > kMaxFileBytes) {
        result = unreadable(QStringLiteral("it is larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024)));
    } else {
        bytes.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0) {
                result = unreadable(QStringLiteral("it cannot be read"));
                break;
            }
            if (n == 0) {
                bytes.truncate(done);
                break;
            }
            done += n;
        }
    }
    ::close(fd);
    return result;
}

ReadResult readFile(ImportKind kind, const QString& path) {
    if (kind == ImportKind::Excel) return readXlsRecord(path);
    QByteArray bytes;
    ReadResult failed = readBytes(path, bytes);
    if (!failed.ok()) return failed;
    return kind == ImportKind::DBase ? readDbfRecords(bytes) : readTextRecord(bytes);
}

std::optional<QStringList> listFolder(const QString& folder) {
    if (folder.isEmpty()) return std::nullopt;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return std::nullopt;
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString rejectionLine(const TakenFile& file) {
    QString line = "Rejected " + file.name;
    if (file.rejectionPlace > 0) line += ", " + placeText(file.placeWord, file.rejectionPlace);
    return line + ": " + file.rejection + ".";
}

class FolderImport {
public:
    FolderImport(data::Connection& cnn, ImportKind kind, QString folder, const QDate& today)
        : m_cnn(cnn), m_repo(cnn), m_kind(kind), m_folder(std::move(folder)), m_today(today) {}

    ImportOutcome run() {
        m_log.line("Import of " + kindFilesText(m_kind) + " from " + m_folder);
        const std::optional<QStringList> names = listFolder(m_folder);
        if (!names) return folderUnreadable();
        try {
            for (const QString& name : *names)
                take(name);
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

    void take(const QString& name) {
        if (!passesExtension(m_kind, name)) return;
        const std::optional<ImportTable> table = targetTable(name);
        if (!table) return;
        ++m_counts.filesRead;
        TakenFile file;
        file.name = name;
        file.table = *table;
        const ReadResult read = readFile(m_kind, m_folder + '/' + name);
        file.placeWord = read.placeWord;
        if (!read.ok()) {
            file.rejection = read.problem;
            file.rejectionPlace = read.problemPlace;
        } else {
            const TargetColumns& target = columnsOf(*table);
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
                if (*table == ImportTable::Items) m_runItems.insert(data::ImportRepository::foldedKey(row.itemId));
                file.rows.append(std::move(row));
            }
            if (read.records.isEmpty() && file.rejection.isEmpty())
                file.rejection = QStringLiteral("it holds no record");
        }
        m_files.append(std::move(file));
    }

    // Sales records need their item, and one file per item and year.
    void crossCheck() {
        std::map<std::tuple<ImportTable, QString, int>, QString> seen;
        bool loaded = false;
        QSet<QString> stored;
        for (TakenFile& file : m_files) {
            if (file.table == ImportTable::Items || !file.rejection.isEmpty()) continue;
            if (!loaded) {
                stored = m_repo.itemKeys();
                loaded = true;
            }
            for (const ConvertedRecord& row : file.rows) {
                const QString key = data::ImportRepository::foldedKey(row.itemId);
                const int place = row.record;
                if (!stored.contains(key) && !m_runItems.contains(key)) {
                    file.rejection = "item \"" + row.itemId + "\" has no row in Items and no Items file of this import";
                    file.rejectionPlace = place;
                    break;
                }
                QString where = file.name;
                if (place) where += ", " + placeText(file.placeWord, place);
                const auto [it, added] = seen.emplace(std::make_tuple(file.table, key, row.year), where);
                if (!added) {
                    file.rejection = QStringLiteral("item \"%1\", year %2 is also in %3")
                                         .arg(row.itemId)
                                         .arg(row.year)
                                         .arg(it->second);
                    file.rejectionPlace = place;
                    break;
                }
            }
        }
    }

    ImportOutcome finish() {
        for (const TakenFile& file : m_files) {
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
        if (m_files.isEmpty()) return;
        data::Transaction transaction(m_cnn);
        QSet<QString> items = m_repo.itemKeys();
        for (const TakenFile& file : m_files) {
            if (file.table != ImportTable::Items) continue;
            for (const ConvertedRecord& row : file.rows) {
                const QString key = data::ImportRepository::foldedKey(row.itemId);
                if (items.contains(key)) {
                    m_repo.updateItem(row.itemId, row.values);
                } else {
                    data::ColumnValues values{{QStringLiteral("ItemID"), row.itemId}};
                    values.append(row.values);
                    m_repo.insertRow(tableName(ImportTable::Items), values);
                    items.insert(key);
                }
                ++m_counts.items;
            }
        }
        for (ImportTable table : {ImportTable::Sales, ImportTable::SalesWeekly})
            storeSales(table);
        transaction.commit();
    }

    void storeSales(ImportTable table) {
        const QString name = tableName(table);
        std::optional<QSet<QPair<QString, int>>> years;
        for (const TakenFile& file : m_files) {
            if (file.table != table) continue;
            if (!years) years = m_repo.salesYears(name);
            for (const ConvertedRecord& row : file.rows) {
                const QPair<QString, int> key{data::ImportRepository::foldedKey(row.itemId), row.year};
                if (years->contains(key)) {
                    m_repo.updateSalesYear(name, row.itemId, row.year, row.values);
                } else {
                    data::ColumnValues values{{QStringLiteral("ItemID"), row.itemId},
                                              {QStringLiteral("Year"), row.year}};
                    values.append(row.values);
                    m_repo.insertRow(name, values);
                    years->insert(key);
                }
                ++(table == ImportTable::Sales ? m_counts.sales : m_counts.salesWeekly);
            }
        }
    }

    data::Connection& m_cnn;
    data::ImportRepository m_repo;
    ImportKind m_kind;
    QString m_folder;
    QDate m_today;
    Log m_log;
    ImportCounts m_counts;
    QList<TakenFile> m_files;
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
                                          const QDate& today) {
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
    return FolderImport(cnn, *kind, folder, today).run();
}

}  // namespace tervalo::warehouse
