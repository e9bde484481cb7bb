#include "data/ConnectionString.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "core/RuntimeError.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

namespace {

[[noreturn]] void badFormat(qsizetype index) {
    throw core::RuntimeError(core::ErrorCode::Database,
                             "Format of the initialization string is not valid "
                             "starting at index " +
                                 std::to_string(index) + ".");
}

// Reads a quoted or braced value starting at text[i] (the opening mark) and
// leaves i after the closing mark; nullopt when the mark is never closed.
std::optional<QString> readEnclosed(const QString& text, qsizetype& i) {
    const QChar open = text[i];
    const QChar close = open == u'{' ? QChar(u'}') : open;
    QString value;
    for (++i; i < text.size(); ++i) {
        if (text[i] != close) {
            value += text[i];
        } else if (close != u'}' && i + 1 < text.size() && text[i + 1] == close) {
            value += close;  // a doubled quote stands for one
            ++i;
        } else {
            ++i;
            return value;
        }
    }
    return std::nullopt;
}

// The text with its control characters written as \xNN, so a message can show
// a value that holds a line break or a NUL.
QString visibleText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

}  // namespace

std::optional<QList<ConnectionString::Segment>> ConnectionString::segments(const QString& text, qsizetype* badIndex) {
    QList<Segment> segments;
    const auto bad = [badIndex](qsizetype index) {
        if (badIndex) *badIndex = index;
        return std::nullopt;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype segmentStart = i;
        const qsizetype eq = text.indexOf(u'=', i);
        const qsizetype semi = text.indexOf(u';', i);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            // A segment without '=': only blanks between separators are allowed.
            const qsizetype end = semi < 0 ? text.size() : semi;
            if (!text.mid(i, end - i).trimmed().isEmpty()) return bad(segmentStart);
            i = end + 1;
            continue;
        }
        Segment segment;
        segment.key = text.mid(i, eq - i).trimmed();
        if (segment.key.isEmpty()) return bad(segmentStart);
        i = eq + 1;
        while (i < text.size() && text[i].isSpace())
            ++i;
        segment.valueStart = i;
        if (i < text.size() && (text[i] == u'"' || text[i] == u'\'' || text[i] == u'{')) {
            const auto enclosed = readEnclosed(text, i);
            if (!enclosed) return bad(segmentStart);
            segment.value = *enclosed;
            segment.valueEnd = i;
            while (i < text.size() && text[i].isSpace())
                ++i;
            if (i < text.size() && text[i] != u';') return bad(segmentStart);
        } else {
            const qsizetype end = text.indexOf(u';', i);
            i = end < 0 ? text.size() : end;
            segment.valueEnd = i;
            segment.value = text.mid(segment.valueStart, i - segment.valueStart).trimmed();
        }
        ++i;  // past the ';'
        segments.append(segment);
    }
    return segments;
}

ConnectionString ConnectionString::parse(const QString& text) {
    qsizetype badIndex = 0;
    const auto parsed = segments(text, &badIndex);
    if (!parsed) badFormat(badIndex);
    ConnectionString result;
    for (const Segment& segment : *parsed)
        result.m_pairs.append({segment.key, segment.value});
    return result;
}

QString ConnectionString::quoted(const QString& value) {
    // Double quotes rather than braces: a doubled quote stands for one, so every
    // text has a quoted form, while a '}' cannot appear inside braces.
    QString doubled = value;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QString ConnectionString::checkedFileName(const QString& fileName) {
    const bool hasControl =
        std::any_of(fileName.cbegin(), fileName.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
    const bool plain = !fileName.isEmpty() && fileName != u"." && fileName != u".." && !fileName.contains(u'/') &&
                       !fileName.contains(u'\\') && !hasControl;
    if (!plain)
        throw databaseError("The data source name \"" + visibleText(fileName) +
                            "\" is not the name of a file in the program's folder, so no database was opened.");
    return fileName;
}

QString ConnectionString::forFile(const QString& folder, const QString& fileName) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + quoted(folder + "/" + checkedFileName(fileName)) +
           ";Persist Security Info=False";
}

QString ConnectionString::withoutPassword(const QString& text) {
    // "Password", "Pwd", and every key named for one ("Jet OLEDB:Database Password").
    const auto isPassword = [](const QString& key) {
        return key.endsWith(QLatin1String("Password"), Qt::CaseInsensitive) ||
               key.endsWith(QLatin1String("Pwd"), Qt::CaseInsensitive);
    };
    QString masked = text;
    if (const auto parsed = segments(text)) {
        // From the last value back, so the earlier places stay valid.
        for (auto segment = parsed->crbegin(); segment != parsed->crend(); ++segment)
            if (isPassword(segment->key))
                masked.replace(segment->valueStart, segment->valueEnd - segment->valueStart, QStringLiteral("*****"));
        return masked;
    }
    // Text that does not parse cannot say where a password ends (an unquoted
    // ';' in it): everything after the first password key is hidden.
    static const QRegularExpression key(QStringLiteral(R"((?:^|;)[^;=]*(?:password|pwd)\s*=\s*)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = key.match(text);
    if (found.hasMatch()) masked = text.left(found.capturedEnd()) + QStringLiteral("*****");
    return masked;
}

bool ConnectionString::contains(const QString& key) const {
    for (const auto& [k, v] : m_pairs)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString ConnectionString::value(const QString& key) const {
    QString found;
    for (const auto& [k, v] : m_pairs)
        if (k.compare(key, Qt::CaseInsensitive) == 0) found = v;
    return found;
}

QStringList ConnectionString::keys() const {
    QStringList result;
    for (const auto& [k, v] : m_pairs)
        result.append(k);
    return result;
}

}  // namespace tervalo::data
