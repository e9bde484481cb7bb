#include "reports/ReportPaginator.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/RuntimeError.h"
#include "reports/FieldText.h"
#include "reports/TextFitter.h"

namespace tervalo::reports {

namespace {

const QSizeF kLetter(8.5, 11.0);

// A band's controls with their fonts resolved and its labels and rules placed
// once, relative to the band's top.
struct BandPlan {
    const ReportBand* band = nullptr;
    QList<PlacedText> texts;
    QList<QLineF> rules;
    QList<const ReportControl*> fields;
    QList<int> fieldFonts;
    const ReportControl* pageNumber = nullptr;
    int pageNumberFont = 0;
};

class Paginator {
public:
    // Checks every row against the layout's fields before any page is laid out.
    Paginator(ReportLayout layout, QList<QSqlRecord> rows) : m_layout(std::move(layout)), m_rows(std::move(rows)) {
        for (const ReportBand& band : m_layout.bands)
            m_plans << makePlan(band);
        for (const QSqlRecord& row : std::as_const(m_rows))
            columnsOf(row);
    }
    Paginator(const Paginator&) = delete;
    Paginator& operator=(const Paginator&) = delete;

    int pageCount() const { return std::max<int>(1, int(m_rows.size())); }
    const QList<ReportFont>& fonts() const { return m_fitter.fonts(); }

    ReportPage page(int page) {
        const int count = pageCount();
        ReportPage out;
        double top = m_layout.margin;
        if (page == 0) top = place(out, BandKind::ReportHeader, top);
        top = place(out, BandKind::PageHeader, top);
        if (page < m_rows.size()) top = placeDetail(out, m_rows.at(page), top);
        if (page == count - 1) place(out, BandKind::ReportFooter, top);
        const BandPlan& footer = plan(BandKind::PageFooter);
        place(out, BandKind::PageFooter, kLetter.height() - m_layout.margin - footer.band->height);
        if (footer.pageNumber) {
            placeText(out, *footer.pageNumber, BandKind::PageFooter, footer.pageNumberFont,
                      QStringLiteral("Page %1 of %2").arg(page + 1).arg(count),
                      kLetter.height() - m_layout.margin - footer.band->height);
        }
        return out;
    }

private:
    const BandPlan& plan(BandKind kind) const { return m_plans.at(int(kind)); }

    BandPlan makePlan(const ReportBand& band) {
        BandPlan p;
        p.band = &band;
        ReportPage relative;
        for (const ReportControl& c : band.controls) {
            switch (c.kind) {
                case ControlKind::Label:
                    placeText(relative, c, band.kind, m_fitter.fontIndex(c.font), c.caption, 0);
                    break;
                case ControlKind::Field:
                    p.fields << &c;
                    p.fieldFonts << m_fitter.fontIndex(c.font);
                    break;
                case ControlKind::Rule: {
                    const double y = c.box.top();
                    relative.rules << QLineF(m_layout.margin + c.box.left(), y, m_layout.margin + c.box.right(), y);
                    break;
                }
                case ControlKind::PageNumber:
                    p.pageNumber = &c;
                    p.pageNumberFont = m_fitter.fontIndex(c.font);
                    break;
            }
        }
        p.texts = relative.texts;
        p.rules = relative.rules;
        return p;
    }

    // Places the band's labels and rules with its top at `top`; returns the band's bottom.
    double place(ReportPage& out, BandKind kind, double top) const {
        const BandPlan& p = plan(kind);
        for (PlacedText t : p.texts) {
            t.box.translate(0, top);
            t.origin += QPointF(0, top);
            out.texts << t;
        }
        for (const QLineF& r : p.rules)
            out.rules << r.translated(0, top);
        return top + p.band->height;
    }

    // The row's column of each detail field. Throws when the row lacks one.
    const std::vector<int>& columnsOf(const QSqlRecord& row) {
        const BandPlan& p = plan(BandKind::Detail);
        m_columns.resize(p.fields.size(), -1);
        for (int i = 0; i < p.fields.size(); ++i) {
            const ReportControl& c = *p.fields.at(i);
            // The rows of one query share their columns: look each up once.
            int& column = m_columns[i];
            if (column < 0 || row.fieldName(column) != c.field) column = row.indexOf(c.field);
            if (column < 0)
                throw core::RuntimeError(core::ErrorCode::Other, "Data field not found: " + c.field.toStdString() +
                                                                     " (" + m_layout.name.toStdString() + ", " +
                                                                     p.band->name.toStdString() + ").");
        }
        return m_columns;
    }

    double placeDetail(ReportPage& out, const QSqlRecord& row, double top) {
        const double bottom = place(out, BandKind::Detail, top);
        const BandPlan& p = plan(BandKind::Detail);
        const std::vector<int>& columns = columnsOf(row);
        for (int i = 0; i < p.fields.size(); ++i) {
            const ReportControl& c = *p.fields.at(i);
            placeText(out, c, BandKind::Detail, p.fieldFonts.at(i), fieldText(row.value(columns[i]), c.format), top);
        }
        return bottom;
    }

    // The text's lines that fit the control's box, aligned in it, the box's top at `top` + its own.
    void placeText(ReportPage& out, const ReportControl& c, BandKind band, int font, const QString& text,
                   double top) const {
        const double left = m_layout.margin + c.box.left();
        const double width = c.box.width();
        const double spacing = m_fitter.lineSpacing(font);
        const QStringList lines = m_fitter.fit(font, text, width, c.box.height());
        for (int k = 0; k < lines.size(); ++k) {
            PlacedText t;
            t.name = c.name;
            t.text = lines.at(k);
            t.font = font;
            t.alignment = c.alignment;
            t.band = band;
            const double lineTop = top + c.box.top() + k * spacing;
            t.box = QRectF(left, lineTop, width, lines.size() == 1 ? c.box.height() : spacing);
            double x = left;
            if (c.alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
                const double free = std::max(0.0, width - m_fitter.advance(font, t.text));
                x += (c.alignment & Qt::AlignRight) ? free : free / 2;
            }
            t.origin = QPointF(x, lineTop + m_fitter.ascent(font));
            out.texts << t;
        }
    }

    const ReportLayout m_layout;  // the plans point into its bands
    const QList<QSqlRecord> m_rows;
    TextFitter m_fitter;
    QList<BandPlan> m_plans;
    std::vector<int> m_columns;  // of the detail's fields in the rows
};

}  // namespace

ReportDocument layOutReport(const ReportLayout& layout, const QList<QSqlRecord>& rows) {
    auto paginator = std::make_shared<Paginator>(layout, rows);
    ReportDocument doc;
    doc.windowCaption = layout.windowCaption;
    doc.paperSize = kLetter;
    doc.fonts = paginator->fonts();  // every font of the layout, known from its plans
    doc.pages = ReportPages(paginator->pageCount(), [paginator](int page) { return paginator->page(page); });
    return doc;
}

}  // namespace tervalo::reports
