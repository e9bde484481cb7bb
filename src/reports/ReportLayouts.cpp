// The seven report layouts: four for the lot-size rows of EOQ1, three for the
// single-period and (s,S) rows of s_S. Captions are kept word for word as the
// users have always read them, misspellings included.
#include <array>

#include "reports/ReportLayouts.h"

namespace tervalo::reports {

namespace {

constexpr double kReportWidth = 6.0;
constexpr double kRowPitch = 0.3;  // detail rows are 0.3 inch apart
constexpr double kFirstRow = 0.1;
constexpr double kBoxHeight = 0.2;

const ReportFont kDefaultFont{8.25, false, false};
const ReportFont kCaptionFont{8.25, false, true};
const ReportFont kHeadingFont{8.25, true, true};
const ReportFont kTitleFont{14.25, true, false};

ReportControl label(const QString& name, const QRectF& box, const QString& caption, const ReportFont& font,
                    Qt::Alignment alignment = Qt::AlignLeft) {
    ReportControl c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.box = box;
    c.caption = caption;
    c.font = font;
    c.alignment = alignment;
    return c;
}

ReportControl rule(const QString& name, double left, double top, double width) {
    ReportControl c;
    c.kind = ControlKind::Rule;
    c.name = name;
    c.box = QRectF(left, top, width, 0);
    return c;
}

// Column positions of the first lot-size layout, inches from the left margin.
namespace col {
constexpr double kHeading = 0.5;  // "Item:", "Data used:", "Results:"
constexpr double kItem = 1.0;
constexpr double kItemWidth = 2.4;
constexpr double kDateCaption = 4.0;
constexpr double kDate = 4.5;
constexpr double kDateWidth = 1.0;
constexpr double kCaption = 1.0;
constexpr double kTimeUnit = 1.7;
constexpr double kModelCaption = 2.5;
constexpr double kModel = 3.3;
constexpr double kInput = 2.7;  // input values, 0.7 wide
constexpr double kInputWidth = 0.7;
constexpr double kResult = 2.6;  // result values, 0.8 wide: both end at 3.4
constexpr double kResultWidth = 0.8;
constexpr double kUnit = 3.5;
constexpr double kUnitWidth = 1.1;
constexpr double kRightCaption = 3.9;
constexpr double kRightValue = 4.8;
constexpr double kIndent = 1.7;  // under the words after "consisting of"
constexpr double kCaptionToInput = kInput - kCaption;
constexpr double kCaptionToResult = kResult - kCaption;
}  // namespace col

// Places the controls of a detail band row by row, 0.3 inch apart; `offset`
// moves every column right (the layouts after the first sit further right).
class DetailBuilder {
public:
    explicit DetailBuilder(double offset) : m_offset(offset) {}

    // An italic caption; a heading ("Item:", "Data used:") is bold italic.
    DetailBuilder& caption(double x, double width, const QString& text, bool heading = false) {
        m_controls << label(QStringLiteral("Label%1").arg(++m_labels), box(x, width), text,
                            heading ? kHeadingFont : kCaptionFont);
        return *this;
    }
    DetailBuilder& field(double x, double width, const QString& column, FieldFormat format, Qt::Alignment alignment,
                         double height = kBoxHeight, const ReportFont& font = kDefaultFont) {
        ReportControl c;
        c.kind = ControlKind::Field;
        c.name = column;
        c.field = column;
        c.box = QRectF(x + m_offset, m_top, width, height);
        c.format = format;
        c.alignment = alignment;
        c.font = font;
        m_controls << c;
        return *this;
    }
    DetailBuilder& money(double x, double width, const QString& column) {
        return field(x, width, column, FieldFormat::Money, Qt::AlignRight);
    }
    DetailBuilder& number(double x, double width, const QString& column) {
        return field(x, width, column, FieldFormat::Stored, Qt::AlignRight);
    }
    DetailBuilder& text(double x, double width, const QString& column) {
        return field(x, width, column, FieldFormat::Stored, Qt::AlignLeft);
    }
    // Ends the row; `blankRows` more rows are left empty.
    DetailBuilder& next(int blankRows = 0) {
        m_top += kRowPitch * (1 + blankRows);
        return *this;
    }
    DetailBuilder& ruleAt(double top) {
        m_controls << rule(QStringLiteral("Line1"), 0, top, kReportWidth);
        return *this;
    }
    ReportBand band(const QString& name, double height) const { return {BandKind::Detail, name, height, m_controls}; }

    // The rows every layout shares.
    DetailBuilder& itemAndDate() {
        using namespace col;
        return caption(kHeading, 0.5, "Item:", true)
            .text(kItem, kItemWidth, "ItemName")
            .caption(kDateCaption, 0.5, "Date:", true)
            .field(kDate, kDateWidth, "Date", FieldFormat::Date, Qt::AlignLeft)
            .next();
    }
    DetailBuilder& heading(const QString& text) { return caption(col::kHeading, 1.0, text, true).next(); }
    // A typed figure: caption, money value and the unit text after it.
    DetailBuilder& input(const QString& text, const QString& column, const QString& unit) {
        using namespace col;
        caption(kCaption, kCaptionToInput, text).money(kInput, kInputWidth, column);
        if (!unit.isEmpty()) caption(kUnit, kUnitWidth, unit);
        return next();
    }
    // A result as stored (a quantity, an interval) with its unit text.
    DetailBuilder& result(const QString& text, const QString& column, const QString& unit) {
        using namespace col;
        return caption(kCaption, kCaptionToResult, text)
            .number(kResult, kResultWidth, column)
            .caption(kUnit, kUnitWidth, unit)
            .next();
    }
    // The total cost and its parts; the shortage part at the right of the
    // holding part when the layout shows it.
    DetailBuilder& costBreakdown(bool shortagePart) {
        using namespace col;
        caption(kCaption, kCaptionToResult, "Total Cost:").money(kResult, kResultWidth, "TotalCost").next();
        caption(kCaption, kCaptionToResult, "consisting of Item Cost:")
            .money(kResult, kResultWidth, "TItemCost")
            .caption(kRightCaption, kRightValue - kRightCaption, "Ordering Cost:")
            .money(kRightValue, kResultWidth, "TSetupCost")
            .next();
        caption(kIndent, kResult - kIndent, "Holding Cost:").money(kResult, kResultWidth, "THoldingCost");
        if (shortagePart) {
            caption(kRightCaption, kRightValue - kRightCaption, "Shortage Cost:")
                .money(kRightValue, kResultWidth, "TShortageCost");
        }
        return next();
    }

private:
    QRectF box(double x, double width) const { return QRectF(x + m_offset, m_top, width, kBoxHeight); }

    double m_offset;
    double m_top = kFirstRow;
    int m_labels = 0;
    QList<ReportControl> m_controls;
};

// The top rows and the cost breakdown shared by the lot-size layouts.
struct EoqShape {
    QString detailName;
    bool shortages = false;
    bool production = false;
    bool discount = false;  // QtyDiscount and QtyDiscount2 (the purchasing layouts)
    bool footRule = false;  // a rule at the foot of the band
    double offset = 0;      // inches right of the first layout
    double height = 0;      // of the detail band
    double discountTextHeight = 1.2;
};

ReportBand eoqDetail(const EoqShape& s) {
    using namespace col;
    DetailBuilder d(s.offset);
    d.itemAndDate();
    d.caption(kCaption, kTimeUnit - kCaption, "Time Unit:")
        .text(kTimeUnit, kModelCaption - kTimeUnit, "TimeUnit")
        .caption(kModelCaption, kModel - kModelCaption, "Model used:")
        .field(kModel, 2.1, "ModelName", FieldFormat::Stored, Qt::AlignLeft, 0.5)
        .next();
    d.heading("Data used:");
    d.caption(kCaption, kCaptionToInput, "Demand:")
        .number(kInput, kInputWidth, "Demand")
        .caption(kUnit, kUnitWidth, "units/Time Unit")
        .next();
    d.input("Item Cost:", "ItemCost", "/Unit");
    d.input("Holding Cost:", "HoldingCost", "/Unit/Time Unit");
    if (s.shortages) d.input("Shortage Cost:", "ShortageCost", "/Unit");
    d.input("Setup Cost:", "SetupCost", QString());
    if (!s.shortages) d.next();  // the layouts without shortages leave a blank row before the results
    d.heading("Results:");
    d.result(s.production ? "Quantity to produce:" : "Quantity to order/produce:", "OrderQty", "Units");
    d.result(s.production ? "Production Interval:" : "Order Interval:", "OrderInterval", "days");
    if (s.shortages) d.result("Shortage Allowed:", "ShortageAllowed", "Units");
    d.costBreakdown(s.shortages);
    if (s.discount) {
        const ReportFont italic{8.25, false, true};
        d.field(kCaption, 4.2, "QtyDiscount", FieldFormat::Stored, Qt::AlignLeft, kBoxHeight, italic).next();
        d.field(kCaption, 4.2, "QtyDiscount2", FieldFormat::Stored, Qt::AlignLeft, s.discountTextHeight);
    }
    if (s.footRule) d.ruleAt(s.height - 0.2);
    return d.band(s.detailName, s.height);
}

enum class SinglePeriodKind { Uniform, Normal, Policy };

ReportBand singlePeriodDetail(SinglePeriodKind kind) {
    using namespace col;
    constexpr double offset = 0.2;
    DetailBuilder d(offset);
    d.itemAndDate();
    d.caption(kCaption, 0.8, "Model used:").text(kCaption + 0.8, 3.6, "ModelName").next();
    d.heading("Data used:");
    d.caption(kCaption, kCaptionToResult, "Demand Type:")
        .field(kResult, kResultWidth, "Desc", FieldFormat::Stored, Qt::AlignRight)
        .next();
    if (kind == SinglePeriodKind::Normal) {
        d.caption(kCaption, 0.5, "Mean:")
            .text(1.5, 0.8, "MeanDemand")
            .caption(2.4, 0.6, "Variance:")
            .text(3.0, 0.8, "VDemand")
            .next();
    } else {
        d.caption(kCaption, 1.1, "Demand between:")
            .text(2.1, 0.6, "LDemand")
            .caption(2.75, 0.35, "and")
            .text(3.1, 0.6, "UDemand")
            .caption(3.75, 0.5, "Unit")
            .next();
    }
    d.input("Item Cost:", "ItemCost", "/Unit");
    d.input("Holding Cost:", "HoldingCost", "/Unit");
    d.input("Shortage Cost:", "ShortageCost", "/Unit");
    if (kind == SinglePeriodKind::Policy) d.input("Set up/Ordering Cost:", "SetupCost", QString());
    if (kind == SinglePeriodKind::Normal) d.next();  // a blank row before the results
    d.heading("Results:");
    d.result("Replenish inventory to", "OrderQty", "Units");
    if (kind == SinglePeriodKind::Policy) d.result("Reorder ponit:", "ReorderPoint", "Units");
    if (kind == SinglePeriodKind::Uniform) d.next(1);  // two blank rows before the total
    if (kind == SinglePeriodKind::Normal) d.next();    // one blank row
    d.costBreakdown(true);
    return d.band(QStringLiteral("SingleP_Detail"), 4.7);
}

enum class Footer { PageNumber, Rule, Empty };

ReportLayout layout(LayoutId id, const QString& name, const QString& windowCaption, const ReportBand& detail,
                    Footer footer) {
    ReportLayout l;
    l.id = id;
    l.name = name;
    l.windowCaption = windowCaption;
    l.width = kReportWidth;
    l.margin = 1.0;
    l.defaultFont = kDefaultFont;
    const QRectF across(0, 0.05, kReportWidth, kBoxHeight);
    l.bands << ReportBand{BandKind::ReportHeader,
                          QStringLiteral("ReportHeader"),
                          0.5,
                          {label(QStringLiteral("Label1"), QRectF(0, 0.05, kReportWidth, 0.35),
                                 QStringLiteral("Inventory Analysis"), kTitleFont, Qt::AlignHCenter)}};
    // Every caller replaces lblCaption's design caption with "Prepared on" and the day.
    l.bands << ReportBand{
        BandKind::PageHeader,
        QStringLiteral("PageHeader"),
        0.45,
        {label(QStringLiteral("lblCaption"), across, QStringLiteral("Label2"), kDefaultFont, Qt::AlignHCenter),
         rule(QStringLiteral("Line1"), 0, 0.3, kReportWidth)}};
    l.bands << detail;
    ReportBand pageFooter{BandKind::PageFooter, QStringLiteral("PageFooter"), 0.4, {}};
    if (footer == Footer::PageNumber) {
        ReportControl number = label(QStringLiteral("lblPage"), QRectF(0, 0.15, kReportWidth, kBoxHeight), QString(),
                                     kDefaultFont, Qt::AlignHCenter);
        number.kind = ControlKind::PageNumber;
        pageFooter.controls << number;
    } else if (footer == Footer::Rule) {
        pageFooter.controls << rule(QStringLiteral("Line2"), 0, 0.1, kReportWidth);
    }
    l.bands << pageFooter;
    l.bands << ReportBand{BandKind::ReportFooter, QStringLiteral("ReportFooter"), 0, {}};
    return l;
}

std::array<ReportLayout, 7> makeLayouts() {
    const QString analysis = QStringLiteral("Inventory Analysis");
    return {
        layout(LayoutId::Eoq1, "DataReportEOQ1", "Inventory Analysis Report - EOQ (Purchasing without shortage)",
               eoqDetail({"EOQ1_Detail", false, false, true, true, 0.0, 6.2}), Footer::PageNumber),
        layout(LayoutId::Eoq2, "DataReportEOQ2", analysis,
               eoqDetail({"EOQ2_Detail", true, false, true, true, 0.1, 6.3}), Footer::PageNumber),
        layout(LayoutId::Eoq3, "DataReportEOQ3", analysis,
               eoqDetail({"EOQ3_Detail", false, true, false, true, 0.1, 6.2}), Footer::Empty),
        layout(LayoutId::Eoq4, "DataReportEOQ4", analysis,
               eoqDetail({"EOQ4_Detail", true, true, false, false, 0.1, 4.7}), Footer::Empty),
        layout(LayoutId::SingleP, "DataReportSingleP", analysis, singlePeriodDetail(SinglePeriodKind::Uniform),
               Footer::Rule),
        layout(LayoutId::SinglePN, "DataReportSinglePN", analysis, singlePeriodDetail(SinglePeriodKind::Normal),
               Footer::Empty),
        layout(LayoutId::SS, "DataReport_s_S", analysis, singlePeriodDetail(SinglePeriodKind::Policy), Footer::Rule),
    };
}

}  // namespace

const ReportLayout& reportLayout(LayoutId id) {
    static const std::array<ReportLayout, 7> layouts = makeLayouts();
    return layouts.at(std::size_t(id));
}

}  // namespace tervalo::reports
