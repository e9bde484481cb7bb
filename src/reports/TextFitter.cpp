#include "reports/TextFitter.h"

#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "reports/ReportFonts.h"

namespace tervalo::reports {

namespace {

constexpr int kDotsPerInch = 1200;
// No line of a report box holds more characters than this, so a longer text
// is cut before it is measured (a 10,000-character name costs no more).
constexpr int kMaxCharsPerLine = 400;
// Texts made only of characters below this one (Latin letters, digits, signs)
// are as wide as the sum of their characters, the fonts being drawn unshaped.
constexpr char16_t kLatinEnd = 0x250;

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar::LineSeparator) ||
           text.contains(QChar::ParagraphSeparator);
}

}  // namespace

TextFitter::TextFitter() : m_device(1, 1, QImage::Format_ARGB32) {
    const int dotsPerMeter = int(std::lround(kDotsPerInch / 0.0254));
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

int TextFitter::fontIndex(const ReportFont& font) {
    const qsizetype at = m_fonts.indexOf(font);
    if (at >= 0) return int(at);
    m_fonts << font;
    const QFont f = reportFont(font);
    m_measures.push_back({f, QFontMetricsF(f, &m_device), std::vector<double>(kLatinEnd, -1.0)});
    return int(m_fonts.size() - 1);
}

double TextFitter::advance(int font, const QString& text) const {
    const Measure& m = m_measures.at(font);
    double dots = 0;
    for (const QChar c : text) {
        if (c.unicode() >= kLatinEnd || c.unicode() < 0x20 || c.isMark())
            return m.metrics.horizontalAdvance(text) / kDotsPerInch;
        double& a = m.charAdvance[c.unicode()];
        if (a < 0) a = m.metrics.horizontalAdvance(c);
        dots += a;
    }
    return dots / kDotsPerInch;
}

double TextFitter::ascent(int font) const { return m_measures.at(font).metrics.ascent() / kDotsPerInch; }

double TextFitter::lineSpacing(int font) const { return m_measures.at(font).metrics.lineSpacing() / kDotsPerInch; }

QStringList TextFitter::fit(int font, const QString& text, double width, double height) const {
    if (text.isEmpty()) return {QString()};
    const int maxLines = std::max(1, int(std::floor(height / lineSpacing(font) + 1e-9)));
    if (!hasLineBreak(text) && text.size() <= kMaxCharsPerLine && advance(font, text) <= width) return {text};

    QString cut = text.left(qsizetype(maxLines) * kMaxCharsPerLine);
    cut.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    cut.replace(u'\r', QChar::LineSeparator);
    cut.replace(u'\n', QChar::LineSeparator);
    cut.replace(QChar::ParagraphSeparator, QChar::LineSeparator);

    QTextLayout layout(cut, m_measures.at(font).font, const_cast<QImage*>(&m_device));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    const double widthInDots = width * kDotsPerInch;
    while (lines.size() < maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(widthInDots);
        QString piece = cut.mid(line.textStart(), line.textLength());
        piece.remove(QChar::LineSeparator);
        // The blanks at a break belong to neither line.
        while (!piece.isEmpty() && piece.back().isSpace())
            piece.chop(1);
        lines << piece;
    }
    layout.endLayout();
    if (lines.isEmpty()) lines << QString();
    return lines;
}

}  // namespace tervalo::reports
