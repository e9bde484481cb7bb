#include "reports/ReportFonts.h"

namespace tervalo::reports {

QFont reportFont(const ReportFont& font) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Report texts need no kerning or ligatures: a text is then exactly as
    // wide as its characters, and drawing it costs far less.
    f.setStyleStrategy(QFont::PreferNoShaping);
    // Stated outright, so a recorded page (the preview) keeps the font as it is
    // instead of copying it for every text.
    f.setUnderline(false);
    f.setStrikeOut(false);
    f.setOverline(false);
    return f;
}

}  // namespace tervalo::reports
