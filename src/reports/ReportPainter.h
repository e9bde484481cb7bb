#pragma once
// Paints a laid-out report: each page is only its placed texts and rules, so a
// page costs a few dozen draw calls whatever the report's size.
#include <QFont>
#include <QList>

#include "reports/ReportDocument.h"

class QPainter;
class QPrinter;

namespace tervalo::reports {

class ReportPainter {
public:
    explicit ReportPainter(const ReportDocument& document);

    int pageCount() const { return int(m_document.pages.size()); }
    // Paints one page with the paper's top-left corner at the painter's origin,
    // on a device of that many dots per inch.
    void paintPage(QPainter& painter, int page, double dotsPerInchX, double dotsPerInchY) const;
    // Paints every page with the painter active on the printer (the paper's
    // corner at its origin), a new page between them.
    void paintAll(QPainter& painter, QPrinter& printer) const;
    // The same on a printer of its own. Throws core::RuntimeError when printing
    // cannot start.
    void print(QPrinter& printer) const;

    // Sets the printer up for the document: its paper, portrait, the whole
    // sheet addressable (the layout holds its own margins).
    static void preparePrinter(QPrinter& printer, const ReportDocument& document);

private:
    const ReportDocument& m_document;
    QList<QFont> m_fonts;
};

}  // namespace tervalo::reports
