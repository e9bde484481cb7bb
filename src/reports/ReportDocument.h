#pragma once
// A report laid out once: pages of placed texts and rules, in inches from the
// paper's top-left corner. Painting reads it as it is; no layout work is left.
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "reports/ReportLayout.h"

namespace tervalo::reports {

// One line of text as it is drawn, already cut to its box.
struct PlacedText {
    QString name;    // the control's name; a field's is its column
    QString text;    // what is drawn
    QRectF box;      // the line's box, inches
    QPointF origin;  // where the text starts on its baseline, inches
    int font = 0;    // index into ReportDocument::fonts
    Qt::Alignment alignment = Qt::AlignLeft;
    BandKind band = BandKind::Detail;
};

struct ReportPage {
    QList<PlacedText> texts;
    QList<QLineF> rules;  // inches

    // The texts of the page in their order (for looking at a page whole).
    QStringList textList() const;
    // The first placed text with this text, or null.
    const PlacedText* find(const QString& text) const;
    // The placed texts of a control, top to bottom.
    QList<PlacedText> named(const QString& name) const;
};

struct ReportDocument {
    QString windowCaption;
    QSizeF paperSize;  // inches
    QList<ReportFont> fonts;
    QList<ReportPage> pages;
};

}  // namespace tervalo::reports
