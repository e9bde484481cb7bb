#pragma once
// Test helpers for the RTF reader and writer: a document as one exact string.
#include <QFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <string>

#include "support/TestEnvironment.h"

namespace tervalo::test {

// One paragraph per line: its alignment (l, c, r, j), "|", then each run as
// "{attributes}text", a run being the longest stretch of one format ("{}" only
// where a run without attributes follows one with some). The
// attributes are those set on the run: b, i, u, the family, the size ("12pt")
// and the colour ("#ff0000"). With `effective`, a run without a family or size
// of its own shows the document's default font's.
inline QString describe(const QTextDocument& doc, bool effective = false) {
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        QString line = (align & Qt::AlignHCenter)   ? QStringLiteral("c|")
                       : (align & Qt::AlignJustify) ? QStringLiteral("j|")
                       : (align & Qt::AlignRight)   ? QStringLiteral("r|")
                                                    : QStringLiteral("l|");
        QString last = QStringLiteral("{}");  // a run without attributes shows none
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList attrs;
            if (f.fontWeight() > QFont::Medium) attrs << "b";
            if (f.fontItalic()) attrs << "i";
            if (f.fontUnderline()) attrs << "u";
            QString family = f.fontFamilies().toStringList().value(0);
            if (family.isEmpty() && effective) family = doc.defaultFont().family();
            if (!family.isEmpty()) attrs << family;
            if (f.hasProperty(QTextFormat::FontPointSize)) {
                attrs << QString::number(f.fontPointSize()) + "pt";
            } else if (effective) {
                attrs << QString::number(doc.defaultFont().pointSizeF()) + "pt";
            }
            if (f.hasProperty(QTextFormat::ForegroundBrush)) attrs << f.foreground().color().name();
            const QString key = '{' + attrs.join(' ') + '}';
            if (key != last) line += key;
            last = key;
            line += it.fragment().text();
        }
        lines << line;
    }
    return lines.join('\n');
}

// The text with the paragraphs joined by "\n", every other character as it is
// (U+2028 for a line break, U+00A0 for a no-break space).
inline QString rawText(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join('\n');
}

// UTF-8, for comparisons whose failure messages show the text.
inline std::string utf8(const QString& s) { return s.toStdString(); }

inline QString rtfFixturePath(const QString& name) { return fixturesDir() + "/rtf/" + name; }

inline QByteArray rtfFixture(const QString& name) {
    QFile file(rtfFixturePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace tervalo::test
