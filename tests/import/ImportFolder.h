#pragma once
// A temporary folder of import files for the import tests and benchmarks:
// text files from lines, workbooks from cells, dBase tables from rows.
#include <shapefil.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>

#include "XlsWorkbookWriter.h"

namespace tervalo::test {

// One dBase field: name, type ('C' text, 'N' number, 'L' logical), width, decimals.
struct DbfField {
    QString name;
    char type = 'C';
    int width = 20;
    int decimals = 0;
};

class ImportFolder {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    void bytes(const QString& name, const QByteArray& content) const {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly)) f.write(content);
    }
    // The lines joined by `end`, with `end` after the last one too.
    void text(const QString& name, const QStringList& lines, const QString& end = QStringLiteral("\r\n")) const {
        bytes(name, (lines.join(end) + end).toUtf8());
    }
    // Pairs from "name,value" texts, put in two columns from (top, left), both
    // from 0; a value is a number cell when it is one, a time-of-day cell when
    // it reads hh:mm:ss.
    void sheet(const QString& name, const QStringList& pairs, unsigned top = 0, unsigned left = 0,
               unsigned codePage = 1200) const {
        std::vector<tools::XlsCell> cells;
        for (int r = 0; r < pairs.size(); ++r) {
            const QString n = pairs[r].section(',', 0, 0);
            const QString v = pairs[r].section(',', 1);
            cells.push_back({top + r, left, n.toStdString()});
            bool isNumber = false;
            const double number = v.toDouble(&isNumber);
            if (!isNumber && v.isEmpty()) continue;
            tools::XlsCell& value = cells.emplace_back();
            value.row = top + r;
            value.column = left + 1;
            const QTime time = QTime::fromString(v, QStringLiteral("hh:mm:ss"));
            if (isNumber)
                value.value.emplace<double>(number);
            else if (time.isValid())
                value.value = tools::XlsTime{time.msecsSinceStartOfDay() / 86400000.0};
            else
                value.value.emplace<std::string>(v.toStdString());
        }
        tools::writeXlsWorkbook(file(name).toStdString(), cells, codePage);
    }
    // A dBase table; each row gives the fields' values as text ("" leaves the field empty).
    void dbf(const QString& name, const QList<DbfField>& fields, const QList<QStringList>& rows) const {
        DBFHandle h = DBFCreate(file(name).toLocal8Bit().constData());
        if (!h) return;
        for (const DbfField& f : fields)
            DBFAddNativeFieldType(h, f.name.toLatin1().constData(), f.type, f.width, f.decimals);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < fields.size(); ++c) {
                const QString v = rows[r].value(c);
                if (v.isEmpty())
                    DBFWriteNULLAttribute(h, r, c);
                else if (fields[c].type == 'L')  // the letter as given, lower case too
                    DBFWriteAttributeDirectly(h, r, c, QByteArray(1, v.at(0).toLatin1()).data());
                else if (fields[c].type == 'N')
                    DBFWriteDoubleAttribute(h, r, c, v.toDouble());
                else
                    DBFWriteStringAttribute(h, r, c, v.toLatin1().constData());
            }
        DBFClose(h);
    }

private:
    QTemporaryDir m_dir;
};

}  // namespace tervalo::test
