#pragma once
// Measures report texts at a fixed fine resolution and cuts them to their
// boxes: a text is broken into lines at word boundaries (anywhere in a word too
// long for a line) and at its own line breaks, and only the lines that fit the
// box's height are kept, at least one. Widths and heights are in inches.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "reports/ReportLayout.h"

namespace tervalo::reports {

class TextFitter {
public:
    TextFitter();

    // The index of the font in fonts(), added on first use.
    int fontIndex(const ReportFont& font);
    const QList<ReportFont>& fonts() const { return m_fonts; }

    double advance(int font, const QString& text) const;
    double ascent(int font) const;
    double lineSpacing(int font) const;
    // The lines of the text that fit a box of that size.
    QStringList fit(int font, const QString& text, double width, double height) const;

private:
    struct Measure {
        QFont font;
        QFontMetricsF metrics;
        // Advances of the Latin characters, measured on first use (negative until then).
        mutable std::vector<double> charAdvance;
    };
    QImage m_device;  // the fine resolution the texts are measured at
    QList<ReportFont> m_fonts;
    std::vector<Measure> m_measures;
};

}  // namespace tervalo::reports
