#pragma once
// The program's RTF writer: a QTextDocument, a fragment of one or a cursor's
// selection as RTF, for rich-text files and for the clipboard ("text/rtf").
//
// What is written: a header "{\rtf1\ansi\ansicpg1252\deff0\uc1", a font table
// whose font 0 is the document's default family followed by every other family
// the text uses, a colour table when the text has colours, the default font
// and size ("\f0\fsN", N the default font's size in half points), then each
// paragraph as "\pard" with its alignment (\qc, \qr, \qj; left is the
// default) and its text, the paragraphs separated by "\par" and a line end
// (the last paragraph has no \par, so that reading gives back the same number
// of paragraphs).
// Before each run of characters the writer states what differs from the run
// before it: \b \i \ul (and \b0 \i0 \ulnone), \fN, \fsN (half points: the
// run's point size, or the default font's, rounded to a half point) and \cfN
// (\cf0 for the automatic colour).
//
// Characters: printable ASCII as itself, \\ \{ \} escaped; tab as \tab, a line
// break inside a paragraph (U+2028) as \line, no-break space as \~; every other
// character of code page 1252 as \'hh; the rest as \uN? (UTF-16 units, N
// signed), which readers without Unicode show as "?". The characters that a
// QTextDocument takes as structure (rtf::isStructureCharacter: C0 controls
// other than tab, U+2029, U+FDD0, U+FDD1, U+FFFC) are not written. The result
// is 7-bit ASCII. RtfReader reads the result back to the same text and formats
// (a run without a family or size of its own reads back with the default
// font's, stated).
#include <QByteArray>
#include <QString>
#include <memory>

class QFont;
class QTextCursor;
class QTextDocument;
class QTextDocumentFragment;

namespace tervalo::rtf {

class RtfWriter {
public:
    // The whole document.
    static QByteArray write(const QTextDocument& doc);

    // A fragment (for example a QTextEdit's selection, or what is to be put on
    // the clipboard). Its font 0 is the application's default font, as for a
    // new QTextDocument; a run without a size of its own gets that font's size.
    static QByteArray write(const QTextDocumentFragment& fragment);

    // The selection of `cursor`, with the default font of the cursor's document;
    // an empty selection gives an empty RTF document.
    static QByteArray writeSelection(const QTextCursor& cursor);

    // Plain text too long to hold whole, written a piece at a time: begin(),
    // then paragraphs() for each piece, then end() give together the bytes
    // write() gives for a document with `defaultFont` holding the whole text.
    // A piece is whole paragraphs separated by '\n'; each piece begins a new
    // paragraph.
    class PlainText {
    public:
        explicit PlainText(const QFont& defaultFont);
        ~PlainText();
        QByteArray begin();
        QByteArray paragraphs(const QString& piece);
        QByteArray end();

    private:
        struct State;
        std::unique_ptr<State> m_state;
    };
};

}  // namespace tervalo::rtf
