#pragma once
// Where printed and previewed reports of saved results go. A caller binds one
// of the seven layouts to the rows it queried (each a record of the layout's
// table: every column of EOQ1 plus ModelName, or of s_S plus ModelName and
// Desc) and asks for the print dialog or the preview. The program's output
// lays the rows out once and paints them; tests record what was asked.
#include <QList>
#include <QSqlRecord>

class QWidget;

namespace tervalo::reports {

// The seven report layouts: one per lot-size model saved in EOQ1, three for
// the rows of s_S (single period with uniform and with normal demand, (s,S)).
enum class LayoutId { Eoq1, Eoq2, Eoq3, Eoq4, SingleP, SinglePN, SS };

class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // The modeless preview window of the layout over the rows ("Prepared on"
    // today). A report that cannot be made (a row without a column the layout
    // shows, a printer that cannot start) is reported by the output itself in
    // one box with the description and the program's title, and nothing is
    // shown; callers report only the failures of their own queries.
    virtual void preview(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) = 0;
    // The print dialog, then the pages on the chosen printer; failures as above.
    virtual void print(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) = 0;
};

}  // namespace tervalo::reports
