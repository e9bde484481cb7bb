#pragma once
// An option button whose caption wraps at a given width, for the wizard's
// sentence-long answers. It keeps its whole caption as its text (so it is
// named by it), and a click anywhere on the caption selects it.
#include <QRadioButton>

namespace tervalo::demand {

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    WrappingRadioButton(const QString& text, int wrapWidth, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int indent() const;  // the indicator and the space after it
    QRect textRect() const;

    int m_wrapWidth;
};

}  // namespace tervalo::demand
