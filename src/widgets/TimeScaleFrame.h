#pragma once
// The "Time scale" frame (Frame6) of the model windows: the options
// optTime_0..2 for Year, Month and Week, and the window's unit labels
// (lblTimePeriod_0..n-1) that follow the selected option. The unit changes
// however an option is selected (a click, the keyboard, an assistive tool's
// toggle, code), so what is shown is always what is computed and saved.
#include <QGroupBox>
#include <QList>
#include <QPair>

#include "core/lotsize/TimeUnit.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace tervalo::widgets {

class TimeScaleFrame : public QGroupBox {
    Q_OBJECT
public:
    // `labelCount` unit labels are made as children of `labelParent` (they are
    // placed by the window beside its captions).
    TimeScaleFrame(QWidget* parent, Qt::Orientation orientation, QWidget* labelParent, int labelCount);

    core::lotsize::TimeUnit unit() const { return m_unit; }
    void select(core::lotsize::TimeUnit unit);
    QLabel* unitLabel(int index) const { return m_labels.at(index); }
    const QList<QRadioButton*>& options() const { return m_options; }
    // Names `box` for assistive tools by its caption labels read together,
    // one of them a unit label ("Demand, units/" "Week"), now and whenever the
    // unit changes.
    void nameByCaption(QWidget* box, const QList<QLabel*>& caption);

signals:
    // The selected unit changed; the unit labels already show it.
    void unitChanged(core::lotsize::TimeUnit unit);
    // An option was clicked, also the one already selected.
    void unitClicked(core::lotsize::TimeUnit unit);

private:
    void onToggled(int index, bool checked);

    core::lotsize::TimeUnit m_unit = core::lotsize::TimeUnit::Year;
    QList<QRadioButton*> m_options;
    QList<QLabel*> m_labels;
    QList<QPair<QWidget*, QList<QLabel*>>> m_captioned;
    QButtonGroup* m_group = nullptr;
};

}  // namespace tervalo::widgets
