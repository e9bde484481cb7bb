#include "widgets/TimeScaleFrame.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/AccessibleNames.h"
#include "widgets/FormBuilder.h"
#include "widgets/TimeUnitOptions.h"

namespace tervalo::widgets {

TimeScaleFrame::TimeScaleFrame(QWidget* parent, Qt::Orientation orientation, QWidget* labelParent, int labelCount)
    : QGroupBox(QStringLiteral("Time scale"), parent) {
    setObjectName(QStringLiteral("Frame6"));
    // Named for itself, not by the frame it sits in.
    setAccessibleName(title());
    if (orientation == Qt::Horizontal)
        new QHBoxLayout(this);
    else
        new QVBoxLayout(this);
    m_options = FormBuilder::optionArray(this, QStringLiteral("optTime"), timeUnitOptionCaptions(), &m_group);
    m_labels = FormBuilder::labelArray(labelParent, QStringLiteral("lblTimePeriod"), labelCount, QString());
    for (QLabel* label : std::as_const(m_labels))  // room for the longest unit, "Month"
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Month")));
    connect(m_group, &QButtonGroup::idToggled, this, &TimeScaleFrame::onToggled);
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int index) { emit unitClicked(kTimeUnitOptions[qBound(0, index, 2)]); });
    m_options.at(0)->setChecked(true);
}

void TimeScaleFrame::select(core::lotsize::TimeUnit unit) {
    for (int i = 0; i < 3; ++i) {
        if (kTimeUnitOptions[i] == unit) m_options.at(i)->setChecked(true);
    }
}

void TimeScaleFrame::onToggled(int index, bool checked) {
    if (!checked || index < 0 || index > 2) return;
    m_unit = kTimeUnitOptions[index];
    for (QLabel* label : std::as_const(m_labels))
        label->setText(timeUnitCaption(m_unit));
    for (const auto& [box, caption] : std::as_const(m_captioned))
        AccessibleNames::nameBy(box, caption);
    emit unitChanged(m_unit);
}

void TimeScaleFrame::nameByCaption(QWidget* box, const QList<QLabel*>& caption) {
    m_captioned.append({box, caption});
    AccessibleNames::nameBy(box, caption);
}

}  // namespace tervalo::widgets
