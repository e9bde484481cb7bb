#pragma once
// Reading a laid-out report page as the report tests do: the value printed on
// the line of a caption.
#include <QString>
#include <cmath>

#include "reports/ReportDocument.h"

namespace tervalo::test {

// The text on the line of the nth placed text equal to `caption` (counting
// from 0): the first text to its right with the same top and baseline. A
// description in angle brackets when there is none.
inline QString valueBeside(const reports::ReportPage& page, const QString& caption, int nth = 0) {
    const reports::PlacedText* found = nullptr;
    for (const reports::PlacedText& t : page.texts)
        if (t.text == caption && nth-- == 0) found = &t;
    if (!found) return "<no caption " + caption + ">";
    const reports::PlacedText* value = nullptr;
    for (const reports::PlacedText& t : page.texts) {
        if (&t == found || std::abs(t.box.top() - found->box.top()) > 1e-9 || t.box.left() <= found->box.left())
            continue;
        if (!value || t.box.left() < value->box.left()) value = &t;
    }
    if (!value) return "<nothing beside " + caption + ">";
    if (std::abs(value->origin.y() - found->origin.y()) > 1e-6) return "<off the line: " + value->text + ">";
    return value->text;
}

}  // namespace tervalo::test
