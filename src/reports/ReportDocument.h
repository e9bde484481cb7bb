#pragma once
// A laid-out report: pages of placed texts and rules, in inches from the
// paper's top-left corner. A page is laid out when it is read, from the row it
// shows: a report of 100,000 rows holds its rows, not 100,000 pages of texts.
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

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

// The pages of a report, each laid out when it is read (a page read twice is
// laid out twice). Copies share what they lay out from.
class ReportPages {
public:
    using LayOut = std::function<ReportPage(int page)>;

    ReportPages() = default;
    ReportPages(int count, LayOut layOut) : m_count(count), m_layOut(std::move(layOut)) {}

    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    ReportPage at(qsizetype page) const;
    ReportPage operator[](qsizetype page) const { return at(page); }
    ReportPage first() const { return at(0); }
    ReportPage last() const { return at(m_count - 1); }

    // Reads the pages in order, one at a time.
    class const_iterator {
    public:
        const_iterator(const ReportPages* pages, qsizetype page) : m_pages(pages), m_page(page) {}
        ReportPage operator*() const { return m_pages->at(m_page); }
        const_iterator& operator++() {
            ++m_page;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        const ReportPages* m_pages;
        qsizetype m_page;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_count}; }

private:
    int m_count = 0;
    LayOut m_layOut;
};

struct ReportDocument {
    QString windowCaption;
    QSizeF paperSize;  // inches
    QList<ReportFont> fonts;
    ReportPages pages;
};

}  // namespace tervalo::reports
