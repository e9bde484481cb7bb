#include "reports/ReportPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "core/RuntimeError.h"
#include "reports/ReportFonts.h"

namespace tervalo::reports {

namespace {
constexpr double kRuleWidth = 1.0 / 72;  // inches: a one-point line
}

ReportPainter::ReportPainter(const ReportDocument& document) : m_document(document) {
    for (const ReportFont& f : document.fonts)
        m_fonts << reportFont(f);
}

void ReportPainter::paintPage(QPainter& painter, int page, double dotsPerInchX, double dotsPerInchY) const {
    const ReportPage p = m_document.pages.at(page);
    painter.setPen(QPen(Qt::black, kRuleWidth * dotsPerInchY, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& rule : p.rules) {
        painter.drawLine(QPointF(rule.x1() * dotsPerInchX, rule.y1() * dotsPerInchY),
                         QPointF(rule.x2() * dotsPerInchX, rule.y2() * dotsPerInchY));
    }
    // Font by font: a change of font is itself a recorded step of a preview page.
    for (int font = 0; font < m_fonts.size(); ++font) {
        bool chosen = false;
        for (const PlacedText& t : p.texts) {
            if (t.font != font || t.text.isEmpty()) continue;
            if (!chosen) {
                painter.setFont(m_fonts.at(font));
                chosen = true;
            }
            painter.drawText(QPointF(t.origin.x() * dotsPerInchX, t.origin.y() * dotsPerInchY), t.text);
        }
    }
}

void ReportPainter::print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer))
        throw core::RuntimeError(core::ErrorCode::Other,
                                 "The printer could not be started, so the report was not printed.");
    paintAll(painter, printer);
    painter.end();
}

void ReportPainter::paintAll(QPainter& painter, QPrinter& printer) const {
    const double dpiX = printer.logicalDpiX();
    const double dpiY = printer.logicalDpiY();
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0) printer.newPage();
        paintPage(painter, page, dpiX, dpiY);
    }
}

void ReportPainter::preparePrinter(QPrinter& printer, const ReportDocument& document) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(document.paperSize, QPageSize::Inch), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
    printer.setDocName(document.windowCaption);
}

}  // namespace tervalo::reports
