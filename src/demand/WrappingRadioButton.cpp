#include "demand/WrappingRadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tervalo::demand {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

WrappingRadioButton::WrappingRadioButton(const QString& text, int wrapWidth, QWidget* parent)
    : QRadioButton(text, parent), m_wrapWidth(wrapWidth) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int WrappingRadioButton::indent() const {
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QSize WrappingRadioButton::sizeHint() const {
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, m_wrapWidth, 0), kTextFlags, this->text());
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return {indent() + m_wrapWidth + 2, std::max(text.height(), indicator) + 2};
}

QSize WrappingRadioButton::minimumSizeHint() const { return sizeHint(); }

QRect WrappingRadioButton::textRect() const { return rect().adjusted(indent(), 1, -1, -1); }

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The indicator beside the first line of the caption.
    const int side = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const int top = std::max(1, (fontMetrics().height() - side) / 2 + 1);
    option.rect = QRect(0, top, style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this), side);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    const QRect text = textRect();
    painter.drawItemText(text, kTextFlags, palette(), isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(text, kTextFlags, this->text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace tervalo::demand
