#pragma once
// Plain-text reports. The windows build a report piece by piece, in report
// order; "{TAB}" is a tab, "{ENTER}" or "{Enter}" a line break, and every other
// piece is written literally (no character has a meaning of its own). The text
// goes into the program's own report window (Save As, Print), a separate
// top-level window that is opened for each report and left for the user.
#include <QString>

class QWidget;

namespace tervalo::platform {

// The text one piece stands for.
inline QString textOfPiece(const QString& piece) {
    if (piece == QLatin1String("{TAB}")) return QStringLiteral("\t");
    if (piece == QLatin1String("{ENTER}") || piece == QLatin1String("{Enter}")) return QStringLiteral("\n");
    return piece;
}

class TextReportSink {
public:
    virtual ~TextReportSink() = default;
    virtual void type(const QString& piece) = 0;
    virtual QString text() const = 0;
};

class TextReportService {
public:
    virtual ~TextReportService() = default;
    // Opens a new, empty report window and returns it; nullptr when none can be opened.
    virtual TextReportSink* start(const QString& title) = 0;
    // Closes every report window this service opened that is still open, each
    // asking about unsaved text as on a normal close. Returns false as soon as
    // one stays open (the user cancelled), leaving it and the rest open: the
    // program then does not exit.
    virtual bool closeAll() { return true; }
};

}  // namespace tervalo::platform
