#include "widgets/ModelWindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/RuntimeError.h"
#include "platform/Beeper.h"
#include "platform/Notifier.h"
#include "widgets/AppContext.h"
#include "widgets/CostTable.h"
#include "widgets/FormBuilder.h"
#include "widgets/FormScrollArea.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::widgets {

namespace fb = FormBuilder;

ModelWindow::ModelWindow(AppContext& ctx, WindowId window, const QString& caption, int fieldCount, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_inputs(static_cast<std::size_t>(fieldCount), nullptr) {
    setObjectName(formName(window));
    setWindowTitle(caption);
    m_scroll = new FormScrollArea(this);
    m_form = m_scroll->form();
}

ModelWindow::~ModelWindow() = default;

// Opens at the form's natural size.
QSize ModelWindow::sizeHint() const { return m_scroll->sizeHint(); }

// Smaller than the form is fine: the form scrolls.
QSize ModelWindow::minimumSizeHint() const { return m_scroll->minimumSizeHint(); }

QLineEdit* ModelWindow::inputBox(int field) const {
    if (field < 0 || field >= int(m_inputs.size())) return nullptr;
    return m_inputs[static_cast<std::size_t>(field)];
}

QGroupBox* ModelWindow::textFrame(QWidget* parent, const QString& name, const QString& caption,
                                  const QString& labelName, const QString& text, int columns, QPushButton* button) {
    QGroupBox* frame = fb::frame(parent, name, caption);
    auto* column = new QVBoxLayout(frame);
    QLabel* label = fb::label(frame, labelName, text, true);
    const QFontMetrics metrics = label->fontMetrics();
    const int width = metrics.averageCharWidth() * columns;
    label->setFixedWidth(width);
    label->setMinimumHeight(metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text).height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(label);
    if (button) {
        button->setParent(frame);
        column->addWidget(button, 0, Qt::AlignLeft);
    }
    column->addStretch(1);
    return frame;
}

QLineEdit* ModelWindow::numberBox(QWidget* parent, int field, const QString& name) {
    QLineEdit* box = fb::inputBox(parent, name);
    InputBoxes::install(box, InputBoxes::numberBox(), &m_ctx.notifier);
    fitToNineDigits(box);
    m_inputs.at(static_cast<std::size_t>(field)) = box;
    return box;
}

QLineEdit* ModelWindow::itemBox(QWidget* parent, int field, const QString& name) {
    QLineEdit* box = fb::inputBox(parent, name);
    InputBoxes::install(box, InputBoxes::itemBox(), &m_ctx.notifier);
    m_inputs.at(static_cast<std::size_t>(field)) = box;
    return box;
}

QLineEdit* ModelWindow::plainBox(QWidget* parent, int field, const QString& name) {
    QLineEdit* box = fb::inputBox(parent, name);
    fitToNineDigits(box);
    m_inputs.at(static_cast<std::size_t>(field)) = box;
    return box;
}

QPushButton* ModelWindow::button(QWidget* parent, const QString& name, const QString& caption, bool causesValidation) {
    QPushButton* b = fb::button(parent, name, caption);
    if (!causesValidation) InputBoxes::setCausesValidation(b, false);
    return b;
}

void ModelWindow::growToFitForm() {
    m_form->adjustSize();
    QWidget* frame = this;
    QSize wanted = sizeHint().boundedTo(screen() ? screen()->availableGeometry().size() : QSize(4096, 4096));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame = sub;
        wanted = sizeInWorkspace(sub);
    }
    wanted = wanted.expandedTo(frame->size());
    if (wanted == frame->size()) return;
    const bool following = frame->size() == m_workspaceFit;
    frame->resize(wanted);
    if (following) m_workspaceFit = frame->size();
}

// The whole form with the title bar and borders, within the workspace right and
// below the window's corner.
QSize ModelWindow::sizeInWorkspace(const QMdiSubWindow* sub) const {
    QSize wanted = sub->sizeHint();
    if (const QMdiArea* area = sub->mdiArea()) {
        const QSize room = area->viewport()->size() - QSize(std::max(0, sub->x()), std::max(0, sub->y()));
        wanted = wanted.boundedTo(room.expandedTo(sub->minimumSizeHint()));
    }
    return wanted;
}

// Sized to the workspace: the window takes the size of its form, or the
// workspace where that is smaller, and keeps doing so as the workspace grows
// and shrinks, until it is sized some other way (by the user, an arrangement).
void ModelWindow::fitToWorkspace(QMdiSubWindow* sub) {
    if (sub->isMaximized() || sub->isMinimized()) return;
    sub->resize(sizeInWorkspace(sub));
    m_workspaceFit = sub->size();
}

bool ModelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (sub && sub->mdiArea() && watched == sub->mdiArea()->viewport() && sub->size() == m_workspaceFit)
            fitToWorkspace(sub);
    }
    return QWidget::eventFilter(watched, event);
}

void ModelWindow::fitToNineDigits(QLineEdit* box) {
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
}

void ModelWindow::setCalculateErrorWording(const QString& suffix, platform::MsgIcon icon, const QString& title) {
    m_errorSuffix = suffix;
    m_errorIcon = icon;
    m_errorTitle = title;
}

std::vector<std::string> ModelWindow::fieldTexts() const {
    std::vector<std::string> texts;
    texts.reserve(m_inputs.size());
    for (int field = 0; field < int(m_inputs.size()); ++field) {
        const QLineEdit* box = fieldBox(field);
        texts.push_back(box ? box->text().toStdString() : std::string());
    }
    return texts;
}

bool ModelWindow::calculate() {
    bool shown = false;
    runGuarded(
        this, m_ctx.notifier, [this, &shown] { runSequence(shown); }, m_errorSuffix, m_errorTitle, m_errorIcon);
    return shown;
}

void ModelWindow::showMessage(const core::CheckMessage& message, MessageSource source) {
    const core::Beep beep = beepFor(message, source);
    if (beep == core::Beep::BeforeMessage) m_ctx.beeper().beep();
    showFailedCheck(this, m_ctx.notifier, message, fieldBox(message.field));
    if (beep == core::Beep::AfterMessage) m_ctx.beeper().beep();
}

void ModelWindow::runSequence(bool& shown) {
    const std::vector<std::string> texts = fieldTexts();
    core::CalculationSteps steps;
    steps.check = [this, &texts] {
        std::optional<core::CheckMessage> failed = core::firstFailedCheck(checks(), texts);
        if (!failed) failed = computedCheck(texts);
        return failed;
    };
    steps.start = [this] { startCalculation(); };
    steps.compute = [this, &texts] { return computeModel(texts); };
    steps.prepare = [this] { prepareDisplay(); };
    steps.show = [this, &shown] {
        showPrepared();
        shown = true;
    };
    steps.save = [this] { saveResult(); };
    steps.stopped = [this](const core::CheckMessage& message, MessageSource source) {
        // One message in place of a result; it leaves no result of the last calculation.
        if (source == MessageSource::Calculation && messageEmptiesResults()) emptyResults();
        showMessage(message, source);
    };
    steps.faulted = [this](core::CalculationStep step, const core::RuntimeError* fault) {
        return onCalculationFault(step, fault);
    };
    core::runCalculation(steps);
}

void ModelWindow::emptyResults() {
    clearResults();
    // A pie drawn from the table goes with it (Clear, which keeps the pie, does not come here).
    for (CostTable* table : findChildren<CostTable*>())
        table->clearPie();
}

bool ModelWindow::onCalculationFault(core::CalculationStep step, const core::RuntimeError* fault) {
    if (step == core::CalculationStep::Compute && fault) {
        if (faultEmptiesResults()) emptyResults();
        if (m_modelFault == ModelFault::Handler) return false;
        // The calculator's own message: its description, no icon, the program's title.
        m_ctx.notifier.show(this, QString::fromStdString(fault->description()), QString(), platform::MsgIcon::None);
        return true;
    }
    // Any other fault goes to the handler; the results go with it unless the
    // calculator itself shows the model's faults.
    const bool handlerShowsIt = step == core::CalculationStep::Prepare || m_modelFault == ModelFault::Handler;
    if (handlerShowsIt && faultEmptiesResults()) emptyResults();
    return false;
}

void ModelWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window opens at the top left corner of the main window's client area,
    // sized to the workspace.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && !m_placed) {
        m_placed = true;
        sub->move(0, 0);
        fitToWorkspace(sub);
        if (QMdiArea* area = sub->mdiArea()) area->viewport()->installEventFilter(this);
    }
}

}  // namespace tervalo::widgets
