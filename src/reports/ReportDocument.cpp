#include "reports/ReportDocument.h"

namespace tervalo::reports {

ReportPage ReportPages::at(qsizetype page) const {
    Q_ASSERT(page >= 0 && page < m_count);
    return m_layOut(int(page));
}

QStringList ReportPage::textList() const {
    QStringList out;
    for (const PlacedText& t : texts)
        out << t.text;
    return out;
}

const PlacedText* ReportPage::find(const QString& text) const {
    for (const PlacedText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

QList<PlacedText> ReportPage::named(const QString& name) const {
    QList<PlacedText> out;
    for (const PlacedText& t : texts)
        if (t.name == name) out << t;
    return out;
}

}  // namespace tervalo::reports
