#pragma once
// How the program prints the text of a text box: the box's selection, or its
// whole document, laid out in pages of the printer's paper at the box's
// resolution, without page numbers.
#include <QString>
#include <functional>
#include <optional>

class QFont;
class QPrinter;
class QTextCursor;
class QTextDocument;
class QWidget;

namespace tervalo::platform {

// Prints the selection of `cursor` when `selectionOnly` and there is one,
// else the whole `document`. `box` is the widget the text is shown in.
void printText(const QTextDocument& document, const QTextCursor& cursor, bool selectionOnly, QWidget* box,
               QPrinter& printer);

// Prints a plain text too long to hold whole, laid out in pages as printText
// lays out a whole document of `box` in `font`: `nextPiece` gives the text a
// piece at a time, each piece whole paragraphs separated by '\n' (a piece
// begins a new paragraph), and an empty piece after the last. A page holds
// what it would hold of the whole text, but that a paragraph running over a
// page's end begins on the next page.
void printTextInPieces(const std::function<std::optional<QString>()>& nextPiece, const QFont& font, QWidget* box,
                       QPrinter& printer);

}  // namespace tervalo::platform
