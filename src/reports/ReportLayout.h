#pragma once
// A report layout as data: five bands, each a list of controls (labels with a
// fixed caption, text fields bound to a column by name, horizontal rules),
// placed in inches from the band's top-left corner at the left margin.
#include <QList>
#include <QRectF>
#include <QString>
#include <Qt>

#include "reports/ReportOutput.h"

namespace tervalo::reports {

// Arial in a point size, regular, bold, italic or both.
struct ReportFont {
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

enum class ControlKind {
    Label,       // a fixed caption
    Field,       // the value of a column of the bound row
    Rule,        // a horizontal line along the top of its box
    PageNumber,  // "Page n of m"
};

// How a field's value is written.
enum class FieldFormat {
    Stored,  // as stored (a number kept as text without the blanks around it)
    Money,   // "$#,##0.00"
    Date,    // M/d/yyyy
};

struct ReportControl {
    ControlKind kind = ControlKind::Label;
    QString name;     // the control's name: "lblCaption", the bound column, ...
    QRectF box;       // inches, from the band's top and the left margin
    QString caption;  // labels
    QString field;    // fields: the column name
    FieldFormat format = FieldFormat::Stored;
    Qt::Alignment alignment = Qt::AlignLeft;
    ReportFont font;
};

enum class BandKind { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

struct ReportBand {
    BandKind kind = BandKind::Detail;
    QString name;  // "ReportHeader", "PageHeader", "EOQ1_Detail", ...
    double height = 0;
    QList<ReportControl> controls;
};

struct ReportLayout {
    LayoutId id = LayoutId::Eoq1;
    QString name;           // "DataReportEOQ1", ...
    QString windowCaption;  // the preview window's title
    double width = 6.0;     // inches
    double margin = 1.0;    // inches, on all four sides
    ReportFont defaultFont;
    QList<ReportBand> bands;  // in the order of BandKind

    const ReportBand& band(BandKind kind) const { return bands.at(int(kind)); }
    // The band of that name, or null.
    ReportBand* bandNamed(const QString& bandName);
    const ReportBand* bandNamed(const QString& bandName) const;
};

}  // namespace tervalo::reports
