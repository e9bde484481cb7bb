#include "demand/WizardStepWindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/RuntimeError.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/WindowRegistry.h"

// The illustration lives in this library's resources; a static library has
// to register them itself.
static void initWizardResources() { Q_INIT_RESOURCE(wizard); }

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;

WizardStepWindow::WizardStepWindow(widgets::AppContext& ctx, widgets::WindowId form, const QString& title,
                                   EnabledButtons enabled, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx) {
    initWizardResources();
    setObjectName(widgets::formName(form));
    setWindowTitle(title);

    auto* top = new QHBoxLayout;
    top->addWidget(buildPicture(), 0, Qt::AlignTop);
    m_body = new QVBoxLayout;
    top->addLayout(m_body, 1);

    m_cmdCancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    m_cmdBack = fb::button(this, QStringLiteral("cmdBack"), QStringLiteral("< &Back"));
    m_cmdNext = fb::button(this, QStringLiteral("cmdNext"), QStringLiteral("&Next >"));
    m_cmdFinish = fb::button(this, QStringLiteral("cmdFinish"), QStringLiteral("&Finish"));
    m_cmdBack->setEnabled(enabled.back);
    m_cmdNext->setEnabled(enabled.next);
    m_cmdFinish->setEnabled(enabled.finish);
    m_defaultButton = enabled.finish ? m_cmdFinish : m_cmdNext;
    m_defaultButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_cmdCancel, m_cmdBack, m_cmdNext, m_cmdFinish})
        buttons->addWidget(button);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* window = new QVBoxLayout(this);
    window->addLayout(top, 1);
    window->addWidget(rule);
    window->addLayout(buttons);
    // A form of fixed texts: the window takes the size its form needs.
    window->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdCancel, &QPushButton::clicked, this, &WizardStepWindow::onCmdCancelClicked);
}

QWidget* WizardStepWindow::buildPicture() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Picture2"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(QStringLiteral(":/wizard/WizardArt.png")));
    image->setAccessibleName(QStringLiteral("Tervalo wizard"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(image);
    return panel;
}

QLabel* WizardStepWindow::wrappedLabel(QWidget* parent, const QString& name, const QString& text, int width) {
    QLabel* label = fb::label(parent, name, text, true);
    label->setFixedWidth(width);
    label->setMinimumHeight(label->fontMetrics().boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text).height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void WizardStepWindow::onOptionSelected(const QList<QRadioButton*>& options, const std::function<void(int)>& handler) {
    for (int i = 0; i < options.size(); ++i)
        connect(options.at(i), &QRadioButton::toggled, this, [handler, i](bool on) {
            if (on) handler(i);
        });
}

void WizardStepWindow::setTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* control : controls)
        chain(control);
    for (QWidget* button : {m_cmdCancel, m_cmdBack, m_cmdNext, m_cmdFinish})
        chain(button);
}

QWidget* WizardStepWindow::showWindow(widgets::WindowId form) { return m_ctx.registry.show(form); }

void WizardStepWindow::raiseNotAStep() {
    throw core::RuntimeError(core::ErrorCode::Other, "Object doesn't support this property or method");
}

void WizardStepWindow::guarded(const std::function<void()>& body, const QString& title) {
    widgets::runGuarded(this, m_ctx.notifier, body, QString(), title);
}

void WizardStepWindow::showEvent(QShowEvent* event) {
    if (!m_shownOnce && !testAttribute(Qt::WA_Moved)) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        QRect area;
        if (owner && owner->isVisible())
            area = owner->frameGeometry();
        else if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        if (area.isValid()) move(area.center() - rect().center());
    }
    m_shownOnce = true;
    if (QWidget* first = firstAnswer()) first->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

// Enter that no control used (the boxes of numbers move on, a focused button
// presses itself) goes on with the interview, never back or out of it.
void WizardStepWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (m_defaultButton->isEnabled()) m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WizardStepWindow::onCmdCancelClicked() {
    guarded([this] { widgets::UnloadWizardForms(m_ctx.registry); });
}

}  // namespace tervalo::demand
