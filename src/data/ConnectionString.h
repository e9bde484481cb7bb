#pragma once
// A connection string: "key=value" pairs separated by ';'. Keys are matched
// without regard to case; a value may be quoted ("..." or '...', a doubled quote
// inside stands for one) or braced ({...}) so that it can hold ';'.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace tervalo::data {

class ConnectionString {
public:
    ConnectionString() = default;

    // Throws core::RuntimeError(ErrorCode::Database) on an unclosed quote or a
    // segment without '='.
    static ConnectionString parse(const QString& text);

    // The Jet-form string that names a database file in a folder:
    // "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="FOLDER/FILE";Persist Security Info=False".
    // The path is quoted, so a ';', '=', quote or brace in the folder or file
    // name stays part of it and cannot add keys. `fileName` must be a plain
    // file name (checkedFileName); otherwise RuntimeError(ErrorCode::Database).
    static QString forFile(const QString& folder, const QString& fileName);

    // `value` as a double-quoted value that parse() reads back unchanged.
    static QString quoted(const QString& value);

    // Returns `fileName` when it names a file in a folder: not empty, not "."
    // or "..", no '/' or '\\', no control characters. Throws
    // RuntimeError(ErrorCode::Database) naming the value otherwise.
    static QString checkedFileName(const QString& fileName);

    // The text with the value of every key whose name ends in "Password" or
    // "Pwd" (any case: "Jet OLEDB:Database Password") written as "*****", for
    // messages and logs: a value runs to the next key the text really has.
    // Text that does not parse hides everything after its first password key.
    static QString withoutPassword(const QString& text);

    bool contains(const QString& key) const;
    // The value of the key (the last one when repeated), "" when absent.
    QString value(const QString& key) const;
    QStringList keys() const;

private:
    struct Segment {
        QString key;
        QString value;
        qsizetype valueStart = 0, valueEnd = 0;  // the value as written, quotes included
    };
    // The key=value segments of the text; nullopt when it does not parse, with
    // the index of the faulty segment in *badIndex.
    static std::optional<QList<Segment>> segments(const QString& text, qsizetype* badIndex = nullptr);

    QList<QPair<QString, QString>> m_pairs;
};

}  // namespace tervalo::data
