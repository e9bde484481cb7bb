#pragma once
// The scroll area a window's form lives in, so that a window made smaller than
// its form (Window > Tile, Cascade, a small screen) scrolls the form at its
// least size instead of crushing its frames and cutting their captions. It
// fills the window, has no frame and is no stop of Tab; it asks for the whole
// form as its size and for little as its least size.
//
//   auto* scroll = new FormScrollArea(this);
//   auto* layout = new QVBoxLayout(scroll->form());
#include <QScrollArea>

namespace tervalo::widgets {

class FormScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // Made inside `window` ("formScroll"), filling it, with an empty form ("form").
    explicit FormScrollArea(QWidget* window);

    QWidget* form() const { return widget(); }

    // The whole form at its natural size; a plain scroll area asks for at most a few dozen lines.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {160, 120}; }
};

}  // namespace tervalo::widgets
