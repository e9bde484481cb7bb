#pragma once
// A run's log, kept in a temporary file as it grows, so that the log of a
// million items costs next to no memory: the run appends to it from its own
// thread while the log window reads the lines it shows, prints or saves.
// The text is stored in UTF-8 with the log's CR LF line ends. Its lines are
// the log window's paragraphs: each LF ends one, so a text has one line more
// than it has LFs, the last one empty when the text ends with a line end.
// Every method may be called from any thread. Where no temporary file can be
// made or written (a full disk), the log goes on in memory.
#include <QByteArray>
#include <QString>
#include <memory>
#include <mutex>
#include <vector>

class QIODevice;

namespace tervalo::jobs {

class LogFile {
public:
    LogFile();
    explicit LogFile(const QString& text);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void append(const QString& text);

    qint64 lineCount() const;
    // `count` lines from line `first` (from 0), each with its line end (LF,
    // or CR LF) but the last one given: lines counted before the log grew
    // read as that many lines (the last perhaps longer than when counted).
    QString lines(qint64 first, qint64 count) const;
    // The whole text, for a log known to be short (and for tests).
    QString text() const;

private:
    void flush() const;  // under the lock
    void keepInMemory() const;
    QByteArray bytes(qint64 first, qint64 count) const;

    mutable std::mutex m_mutex;
    mutable std::unique_ptr<QIODevice> m_device;
    mutable QByteArray m_memory;   // the text when no file could hold it
    mutable QByteArray m_pending;  // appended, not yet written
    qint64 m_size = 0;             // bytes, the pending ones included
    qint64 m_lines = 1;
    std::vector<qint64> m_marks{0};  // where every kMarkEvery-th line starts
};

}  // namespace tervalo::jobs
