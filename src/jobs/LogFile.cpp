#include "jobs/LogFile.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>

namespace tervalo::jobs {

namespace {

// A line start is remembered for every so many lines: reading a line means
// reading at most that many lines before it.
constexpr qint64 kMarkEvery = 64;
// Appended text is written in pieces of about this size.
constexpr qsizetype kWriteAtOnce = 64 * 1024;
constexpr qint64 kReadAtOnce = 64 * 1024;

}  // namespace

LogFile::LogFile() {
    auto file = std::make_unique<QTemporaryFile>();
    if (file->open()) {
        m_device = std::move(file);
    } else {
        keepInMemory();
    }
}

LogFile::LogFile(const QString& text) : LogFile() { append(text); }

LogFile::~LogFile() = default;

void LogFile::keepInMemory() const {
    auto buffer = std::make_unique<QBuffer>(&m_memory);
    buffer->open(QIODevice::ReadWrite);
    m_device = std::move(buffer);
}

void LogFile::append(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::lock_guard lock(m_mutex);
    const char* begin = utf8.constData();
    const char* end = begin + utf8.size();
    for (const char* lf = begin; (lf = static_cast<const char*>(std::memchr(lf, '\n', size_t(end - lf)))); ++lf) {
        if (m_lines++ % kMarkEvery == 0) m_marks.push_back(m_size + (lf - begin) + 1);
    }
    m_size += utf8.size();
    m_pending += utf8;
    if (m_pending.size() >= kWriteAtOnce) flush();
}

// A write that fails (a full disk) moves what the file holds into memory,
// where the log goes on.
void LogFile::flush() const {
    if (m_pending.isEmpty()) return;
    m_device->seek(m_device->size());
    if (m_device->write(m_pending) != m_pending.size()) {
        m_device->seek(0);
        QByteArray written = m_device->read(m_device->size());
        written.truncate(m_size - m_pending.size());
        keepInMemory();
        m_memory = written;
        m_device->seek(m_memory.size());
        m_device->write(m_pending);
    }
    m_pending.clear();
}

qint64 LogFile::lineCount() const {
    std::lock_guard lock(m_mutex);
    return m_lines;
}

QByteArray LogFile::bytes(qint64 first, qint64 count) const {
    first = std::clamp<qint64>(first, 0, m_lines);
    count = std::clamp<qint64>(count, 0, m_lines - first);
    if (count == 0) return {};
    flush();
    // From the mark before `first`, skip to it, then take `count` lines.
    qint64 line = first / kMarkEvery * kMarkEvery;
    qint64 at = m_marks[std::size_t(line / kMarkEvery)];
    qint64 start = line == first ? at : -1;
    QByteArray out;
    m_device->seek(at);
    while (at < m_size) {
        const QByteArray block = m_device->read(std::min(kReadAtOnce, m_size - at));
        if (block.isEmpty()) break;
        const char* data = block.constData();
        for (qsizetype i = 0; i < block.size(); ++i) {
            if (data[i] != '\n') continue;
            ++line;
            if (line == first) {
                start = at + i + 1;
            } else if (line == first + count) {
                out.append(data + std::max<qint64>(0, start - at), i + 1 - std::max<qint64>(0, start - at));
                out.chop(out.endsWith("\r\n") ? 2 : 1);  // the line end of the last line given
                return out;
            }
        }
        if (start >= 0)
            out.append(data + std::max<qint64>(0, start - at), block.size() - std::max<qint64>(0, start - at));
        at += block.size();
    }
    return out;
}

QString LogFile::lines(qint64 first, qint64 count) const {
    std::lock_guard lock(m_mutex);
    return QString::fromUtf8(bytes(first, count));
}

QString LogFile::text() const {
    std::lock_guard lock(m_mutex);
    return QString::fromUtf8(bytes(0, m_lines));
}

}  // namespace tervalo::jobs
