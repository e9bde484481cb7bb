#pragma once
// How the program prints the text of a text box: the box's selection, or its
// whole document, laid out in pages of the printer's paper at the box's
// resolution, without page numbers.
class QPrinter;
class QTextCursor;
class QTextDocument;
class QWidget;

namespace tervalo::platform {

// Prints the selection of `cursor` when `selectionOnly` and there is one,
// else the whole `document`. `box` is the widget the text is shown in.
void printText(const QTextDocument& document, const QTextCursor& cursor, bool selectionOnly, QWidget* box,
               QPrinter& printer);

}  // namespace tervalo::platform
