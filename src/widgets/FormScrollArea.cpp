#include "widgets/FormScrollArea.h"

#include <QVBoxLayout>

namespace tervalo::widgets {

FormScrollArea::FormScrollArea(QWidget* window) : QScrollArea(window) {
    setObjectName(QStringLiteral("formScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Scrolling the form is no focus move: a click on its scroll bars leaves the
    // focus (and a box's pending check) where it is, and Tab never stops on it.
    setFocusPolicy(Qt::NoFocus);
    auto* form = new QWidget;
    form->setObjectName(QStringLiteral("form"));
    setWidget(form);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}

QSize FormScrollArea::sizeHint() const {
    const QSize whole = form()->sizeHint().expandedTo(form()->minimumSizeHint());
    return whole + QSize(2 * frameWidth(), 2 * frameWidth());
}

}  // namespace tervalo::widgets
