#include "demand/RegressionWindow.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "demand/DemandSteps.h"
#include "demand/RegressionPlot.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "rtf/Twips.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;
namespace cd = core::demand;

namespace {

const QString kAbxAtDesign = QStringLiteral("Y= a + b x");
const QString kErrorAtDesign = QStringLiteral("Error");

QString qt(const std::string& text) { return QString::fromStdString(text); }

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The time typed in txtX as a number; anything else is a type mismatch.
double strictNumber(const QString& text) {
    const std::string s = text.toStdString();
    if (!core::isNumber(s)) throw core::RuntimeError(core::ErrorCode::TypeMismatch);
    return core::leadingNumber(s);
}

}  // namespace

RegressionWindow::RegressionWindow(widgets::AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::D2));
    setWindowTitle(QStringLiteral("Analyzing Demand - Regression Analysis"));
    buildForm();
    resize(rtf::Twips::toPixels(11700), rtf::Twips::toPixels(7200));

    connect(m_comboAlpha, &QComboBox::activated, this, [this] { onAlphaPicked(); });
    connect(m_txtX, &QLineEdit::textChanged, this, [this] { m_xEdited = true; });
    connect(m_cmdBack, &QPushButton::clicked, this, [this] { back(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { cancel(); });
}

void RegressionWindow::buildForm() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));

    QGroupBox* plotFrame = fb::frame(panel, QStringLiteral("Frame4"), QStringLiteral("Demand Analysis"));
    m_plot = new RegressionPlot(plotFrame);
    m_plot->setMinimumSize(rtf::Twips::toPixels(5055), rtf::Twips::toPixels(3255));
    auto* plotGrid = new QGridLayout(plotFrame);
    plotGrid->addWidget(fb::label(plotFrame, QStringLiteral("Label5"), QStringLiteral("Y")), 0, 0);
    plotGrid->addWidget(m_plot, 0, 1);
    QLabel* xName = fb::label(plotFrame, QStringLiteral("Label6"), QStringLiteral("X"));
    xName->setAlignment(Qt::AlignHCenter);
    plotGrid->addWidget(xName, 1, 1);
    plotGrid->setColumnStretch(1, 1);
    plotGrid->setRowStretch(0, 1);

    m_lblReg = fb::label(panel, QStringLiteral("lblReg"), QString(), true);
    m_lblReg->setMinimumHeight(2 * m_lblReg->fontMetrics().lineSpacing() + 4);
    m_lblReg->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QGroupBox* estimate = fb::frame(panel, QStringLiteral("Frame6"), QStringLiteral("Demand Estimated"));
    m_lblABX = fb::label(estimate, QStringLiteral("lblABX"), kAbxAtDesign);
    m_txtX = fb::inputBox(estimate, QStringLiteral("txtX"));
    m_txtY = fb::inputBox(estimate, QStringLiteral("txtY"));
    m_txtY->setReadOnly(true);  // the prediction: shown, not typed
    for (QLineEdit* box : {m_txtX, m_txtY})
        box->setFixedWidth(rtf::Twips::toPixels(1100));
    m_lblError = fb::label(estimate, QStringLiteral("lblError"), kErrorAtDesign);
    m_comboAlpha = new QComboBox(estimate);
    m_comboAlpha->setObjectName(QStringLiteral("ComboAlpha"));
    // The two levels the critical values are tabled for, and only those.
    m_comboAlpha->addItems({QStringLiteral("0.05"), QStringLiteral("0.10")});
    m_comboAlpha->setEditable(false);
    m_comboAlpha->setCurrentIndex(0);
    auto* estimateGrid = new QGridLayout(estimate);
    estimateGrid->addWidget(m_lblABX, 0, 0, Qt::AlignRight);
    estimateGrid->addWidget(m_txtX, 0, 1);
    QLabel* equals = fb::label(estimate, QStringLiteral("Label7"), QStringLiteral("="));
    estimateGrid->addWidget(equals, 1, 0, Qt::AlignRight);
    estimateGrid->addWidget(m_txtY, 1, 1);
    estimateGrid->addWidget(fb::label(estimate, QStringLiteral("Label8"), QStringLiteral("units")), 1, 2);
    estimateGrid->addWidget(m_lblError, 2, 0, 1, 3);
    QLabel* level = fb::label(estimate, QStringLiteral("Label9"), QStringLiteral("at confidence level"));
    level->setBuddy(m_comboAlpha);
    estimateGrid->addWidget(level, 3, 0, Qt::AlignRight);
    estimateGrid->addWidget(m_comboAlpha, 3, 1);
    estimateGrid->setRowStretch(4, 1);
    m_txtX->setAccessibleName(QStringLiteral("Time to predict"));
    m_txtY->setAccessibleName(QStringLiteral("Predicted demand"));

    QGroupBox* suggestion = fb::frame(panel, QStringLiteral("Frame1"), QStringLiteral("Suggestion"));
    m_lblSuggestion = fb::label(suggestion, QStringLiteral("lblSuggestion"), QString(), true);
    m_lblSuggestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblSuggestion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* suggestionBox = new QVBoxLayout(suggestion);
    suggestionBox->addWidget(m_lblSuggestion, 1);

    auto* panelGrid = new QGridLayout(panel);
    panelGrid->setContentsMargins(0, 0, 0, 0);
    panelGrid->addWidget(plotFrame, 0, 0, 2, 1);
    panelGrid->addWidget(estimate, 0, 1);
    panelGrid->addWidget(suggestion, 1, 1);
    panelGrid->addWidget(m_lblReg, 2, 0, 1, 2);
    panelGrid->setColumnStretch(0, 1);
    panelGrid->setRowStretch(1, 1);
    estimate->setFixedWidth(rtf::Twips::toPixels(4200));
    suggestion->setFixedWidth(rtf::Twips::toPixels(4200));

    m_cmdCancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    m_cmdBack = fb::button(this, QStringLiteral("cmdBack"), QStringLiteral("&Back"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_cmdCancel, m_cmdBack}) {
        b->setMinimumWidth(rtf::Twips::toPixels(1215));
        buttons->addWidget(b);
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(panel, 1);
    column->addLayout(buttons);

    widgets::InputBoxOptions keysOnly;
    keysOnly.colouring = false;
    keysOnly.enterMovesOn = false;
    keysOnly.numberCheck = false;
    widgets::InputBoxes::install(m_txtX, keysOnly, &m_ctx.notifier);
    for (QWidget* w :
         {static_cast<QWidget*>(m_txtX), static_cast<QWidget*>(m_txtY), static_cast<QWidget*>(m_comboAlpha)})
        w->installEventFilter(this);
}

std::string RegressionWindow::alphaText() const { return m_comboAlpha->currentText().toStdString(); }

widgets::RegressionRunResult RegressionWindow::calculate(std::vector<cd::DemandPoint> series) {
    cd::AnalysisOptions options;
    options.alphaText = alphaText();
    options.useCurrentTime = m_useCurrentTime;
    options.timeUnit = m_timeUnit.toStdString();
    options.currentMonth = m_ctx.clock.today().month();
    std::optional<cd::DemandAnalysis> analysis = cd::analyzeDemand(std::move(series), options);
    if (!analysis) return {};  // no periods: nothing changes and no bounds come back

    m_series = std::move(analysis->series);
    m_regression = analysis->regression;
    m_significant = analysis->significant;
    if (m_regression) {
        m_txtX->setText(qt(analysis->xText));
        showTexts(analysis->texts);
        m_lblSuggestion->setText(qt(analysis->suggestion));
    } else {
        clearResults();
    }
    return {analysis->bounds, m_regression.has_value(), m_significant};
}

void RegressionWindow::clearResults() {
    m_txtX->clear();
    m_txtY->clear();
    m_lblABX->setText(kAbxAtDesign);
    m_lblError->setText(kErrorAtDesign);
    m_lblReg->clear();
    m_lblSuggestion->clear();
}

void RegressionWindow::showTexts(const cd::RegressionTexts& texts) {
    m_lblABX->setText(qt(texts.abx));
    m_txtY->setText(qt(texts.y));
    m_lblError->setText(qt(texts.error));
    m_lblReg->setText(qt(texts.reg));
}

void RegressionWindow::plotData() { m_plot->plot(m_series, m_regression); }

void RegressionWindow::setBackEnabled(bool enabled) { m_cmdBack->setEnabled(enabled); }

void RegressionWindow::showRefit(const cd::Regression& r, bool withSuggestion) {
    m_regression = r;
    m_significant = r.T > r.TCrit;
    if (m_significant) m_ctx.notifier.show(this, qt(cd::significanceNotice(r.T, r.TCrit)));
    const std::string alpha = alphaText();
    const cd::RegressionTexts texts =
        cd::regressionTexts(r, m_txtX->text().toStdString(), alpha, m_significant, cd::CritFormat::General);
    showTexts(texts);
    if (!withSuggestion) return;
    m_lblSuggestion->setText(
        qt(m_significant ? cd::normalSuggestion(texts.y, r.SE) : cd::uniformSuggestion(cd::demandBounds(m_series))));
}

// A series Calculate could not fit (fewer than 6 periods, or one time for all)
// is not fitted by a change of level or time either: its results stay empty.
void RegressionWindow::onAlphaPicked() {
    if (!m_regression) return;
    widgets::runGuarded(this, m_ctx.notifier, [this] {
        const std::string alpha = alphaText();
        if (alpha.empty() || !core::isNumber(alpha)) return;
        const double x0 = strictNumber(m_txtX->text());
        showRefit(cd::regressionAt(m_series, x0, alpha), true);
    });
}

void RegressionWindow::predictAgain() {
    if (!m_xEdited || !m_regression) return;
    // Cleared first: a fit that fails is not tried again on leaving the box.
    m_xEdited = false;
    const std::string text = m_txtX->text().toStdString();
    if (!core::isNumber(text)) return;
    widgets::runGuarded(this, m_ctx.notifier,
                        [&] { showRefit(cd::regressionAt(m_series, core::leadingNumber(text), alphaText()), false); });
}

bool RegressionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtX) {
        if (isEnter(event)) {
            predictAgain();
            return true;
        }
        if (event->type() == QEvent::FocusOut) predictAgain();
    } else if (isEnter(event)) {  // the level and the prediction: Enter moves on
        focusNextChild();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RegressionWindow::back() {
    widgets::runGuarded(this, m_ctx.notifier, [this] {
        widgets::hideChildForm(this);
        m_ctx.registry.show(widgets::WindowId::D1);
    });
}

void RegressionWindow::cancel() {
    widgets::runGuarded(this, m_ctx.notifier, [this] { unloadDemandWindows(m_ctx.registry, this); });
}

}  // namespace tervalo::demand
