#pragma once
// What the RTF fuzz harness checks for one input, shared by the libFuzzer
// target (fuzz/RtfReaderFuzz.cpp, built with clang and the sanitizers) and the
// seeded pass that the ordinary test run makes (tests/platform).
//
// The input is read (RTF or plain text); the document is written and the RTF
// read again: for RTF input the second document must have the same paragraphs
// with the same alignments and the same characters in the same formats as the
// first; the written RTF must be 7-bit text beginning "{\rtf". The fragment
// reader and the fragment writer run on the input too.
#include <QByteArray>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <cstddef>
#include <cstdint>

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

namespace tervalo::fuzz {

// The document as one string: per paragraph its alignment, then each run as its
// format and text, so that two documents are alike when their strings are equal.
// A run without a family of its own is in the document's default family.
inline QString rtfFuzzSummary(const QTextDocument& doc) {
    QString out;
    QString lastKey;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        out += QStringLiteral("\n[%1]").arg(int(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
        lastKey.clear();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString key =
                QStringLiteral("<%1%2%3|%4|%5|%6>")
                    .arg(f.fontWeight() > 500 ? "b" : "", f.fontItalic() ? "i" : "", f.fontUnderline() ? "u" : "",
                         f.fontFamilies().toStringList().value(0, doc.defaultFont().family()))
                    .arg(f.fontPointSize())
                    .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name()
                                                                     : QStringLiteral("auto"));
            if (key != lastKey) out += key;
            lastKey = key;
            out += it.fragment().text();
        }
    }
    return out;
}

// Empty when the input passes; otherwise what went wrong.
inline QString rtfFuzzCheck(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument first;
    rtf::RtfReader::read(input, &first);
    const QByteArray rtf = rtf::RtfWriter::write(first);
    if (!rtf.startsWith("{\\rtf")) return QStringLiteral("written RTF does not begin {\\rtf");
    for (const char c : rtf) {
        if (static_cast<unsigned char>(c) >= 0x80) return QStringLiteral("written RTF is not 7-bit");
    }
    QTextDocument second;
    rtf::RtfReader::read(rtf, &second);
    if (rtf::RtfReader::looksLikeRtf(input)) {
        const QString a = rtfFuzzSummary(first), b = rtfFuzzSummary(second);
        if (a != b)
            return QStringLiteral("round trip differs:\n%1\n---\n%2\n---\n%3").arg(a, b, QString::fromLatin1(rtf));
    }
    const QTextDocumentFragment fragment = rtf::RtfReader::readFragment(input);
    const QByteArray fragmentRtf = rtf::RtfWriter::write(fragment);
    if (!rtf::RtfReader::looksLikeRtf(fragmentRtf)) return QStringLiteral("fragment RTF does not begin {\\rtf");
    QTextCursor all(&first);
    all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    if (!rtf::RtfReader::looksLikeRtf(rtf::RtfWriter::writeSelection(all))) {
        return QStringLiteral("selection RTF does not begin {\\rtf");
    }
    return {};
}

}  // namespace tervalo::fuzz
