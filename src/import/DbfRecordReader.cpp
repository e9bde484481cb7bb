#include "import/DbfRecordReader.h"

#include <shapefil.h>

#include <charconv>
#include <cstring>

namespace tervalo::import {

namespace {

// shapelib reaches its file through hooks with no room for a context: the
// bytes being read are handed over through this one thread's slot, and each
// open gives a cursor over them.
thread_local const QByteArray* t_bytes = nullptr;

struct Cursor {
    const QByteArray* bytes;
    SAOffset pos;
};

Cursor* cursorOf(SAFile file) { return reinterpret_cast<Cursor*>(file); }

SAFile memoryOpen(const char* filename, const char*) {
    // Only the table itself: the code-page side file (.cpg) does not exist.
    const size_t n = std::strlen(filename);
    if (!t_bytes || n < 4 || (std::strcmp(filename + n - 4, ".dbf") != 0 && std::strcmp(filename + n - 4, ".DBF") != 0))
        return nullptr;
    return reinterpret_cast<SAFile>(new Cursor{t_bytes, 0});
}

SAOffset memoryRead(void* p, SAOffset size, SAOffset count, SAFile file) {
    Cursor* c = cursorOf(file);
    const SAOffset total = SAOffset(c->bytes->size());
    if (size == 0 || c->pos >= total) return 0;
    const SAOffset whole = std::min<SAOffset>(count, (total - c->pos) / size);
    std::memcpy(p, c->bytes->constData() + c->pos, whole * size);
    c->pos += whole * size;
    return whole;
}

SAOffset memoryWrite(void*, SAOffset, SAOffset, SAFile) { return 0; }

SAOffset memorySeek(SAFile file, SAOffset offset, int whence) {
    Cursor* c = cursorOf(file);
    const SAOffset total = SAOffset(c->bytes->size());
    SAOffset target = offset;
    if (whence == SEEK_CUR) target = c->pos + offset;
    if (whence == SEEK_END) target = total + offset;
    c->pos = target;
    return 0;
}

SAOffset memoryTell(SAFile file) { return cursorOf(file)->pos; }
int memoryFlush(SAFile) { return 0; }
int memoryClose(SAFile file) {
    delete cursorOf(file);
    return 0;
}
int memoryRemove(const char*) { return -1; }
void quietError(const char*) {}
double cLocaleNumber(const char* text) {
    double value = 0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

SAHooks memoryHooks() {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FOpen = memoryOpen;
    hooks.FRead = memoryRead;
    hooks.FWrite = memoryWrite;
    hooks.FSeek = memorySeek;
    hooks.FTell = memoryTell;
    hooks.FFlush = memoryFlush;
    hooks.FClose = memoryClose;
    hooks.Remove = memoryRemove;
    hooks.Error = quietError;
    hooks.Atof = cLocaleNumber;
    return hooks;
}

class Table {
public:
    explicit Table(const QByteArray& bytes) {
        t_bytes = &bytes;
        SAHooks hooks = memoryHooks();
        m_handle = DBFOpenLL("table.dbf", "rb", &hooks);
        t_bytes = nullptr;
    }
    ~Table() {
        if (m_handle) DBFClose(m_handle);
    }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    DBFHandle handle() const { return m_handle; }

private:
    DBFHandle m_handle = nullptr;
};

QString fieldValue(DBFHandle h, int row, int field, bool* readable) {
    if (DBFIsAttributeNULL(h, row, field)) return QString();
    if (DBFGetNativeFieldType(h, field) == 'L') {
        const char* flag = DBFReadLogicalAttribute(h, row, field);
        if (!flag) *readable = false;
        if (!flag || !*flag) return QString();
        switch (*flag) {
            case 'T':
            case 't':
            case 'Y':
            case 'y':
                return QStringLiteral("True");
            case 'F':
            case 'f':
            case 'N':
            case 'n':
                return QStringLiteral("False");
            default:
                return QString();
        }
    }
    const char* text = DBFReadStringAttribute(h, row, field);
    if (!text) *readable = false;
    return text ? QString::fromLatin1(text).trimmed() : QString();
}

}  // namespace

ReadResult readDbfRecords(const QByteArray& bytes) {
    ReadResult result;
    result.placeWord = PlaceWord::Record;
    result.shortFieldNames = true;
    Table table(bytes);
    DBFHandle h = table.handle();
    if (!h) {
        result.problem = QStringLiteral("it cannot be read as a dBase table");
        return result;
    }
    const int fields = DBFGetFieldCount(h);
    const int rows = DBFGetRecordCount(h);
    // A header that claims more rows than the file holds is a cut-off file.
    if (qint64(h->nHeaderLength) + qint64(rows) * h->nRecordLength > bytes.size()) {
        result.problem = QStringLiteral("the file is shorter than its header says");
        return result;
    }
    if (fields > kMaxPairs) {
        result.problem = QStringLiteral("the table has more than %1 fields").arg(kMaxPairs);
        return result;
    }
    QStringList names;
    for (int f = 0; f < fields; ++f) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        DBFGetFieldInfo(h, f, name, nullptr, nullptr);
        names.append(QString::fromLatin1(name));
    }
    result.records.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        if (DBFIsRecordDeleted(h, row)) continue;
        ImportRecord record;
        record.record = row + 1;
        record.pairs.reserve(fields);
        bool readable = true;
        for (int f = 0; f < fields; ++f)
            record.pairs.append({names[f], fieldValue(h, row, f, &readable), row + 1});
        if (!readable) {
            result.records.clear();
            result.problem = QStringLiteral("the record cannot be read");
            result.problemPlace = row + 1;
            return result;
        }
        result.records.append(std::move(record));
    }
    return result;
}

}  // namespace tervalo::import
