#include "stochastic/DemandTableEditor.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/NumberText.h"
#include "platform/Beeper.h"
#include "platform/Notifier.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;
namespace st = core::stochastic;
using core::CheckMessage;
using core::MessageIcon;

namespace {

const char* const kErrorTitle = "Error Message";

QString numberText(double value) { return QString::fromStdString(core::textWithLeadingBlank(value)); }

// frmSinglePeriodD's own key filter on the demand and probability boxes: the
// shared numeric filter drops the key, this one beeps for it; Enter moves on
// (the input-box convention) and beeps too, as the filter refuses it after.
class RefusedKeyBeep : public QObject {
public:
    RefusedKeyBeep(QLineEdit* box, platform::Beeper& beeper) : QObject(box), m_beeper(beeper) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_beeper.beep();
            return false;
        }
        const QString text = key->text();
        if (text.isEmpty()) return false;
        for (const QChar c : text) {
            if (!c.isPrint()) return false;
        }
        for (const QChar c : text) {
            if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.')) {
                m_beeper.beep();
                break;
            }
        }
        return false;  // the shared filter drops it
    }

private:
    platform::Beeper& m_beeper;
};

// A box the program only writes: read-only, reached by a click, not by Tab.
QLineEdit* shownOnlyBox(QWidget* parent, const QString& name, int characters) {
    QLineEdit* box = fb::resultBox(parent, name);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) + 12);
    return box;
}

}  // namespace

DemandTableEditor::DemandTableEditor(widgets::AppContext& ctx, EditorStyle style, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_style(style) {
    setObjectName(QStringLiteral("demandTableEditor"));
    m_txtCounter = shownOnlyBox(this, QStringLiteral("txtCounter"), 4);
    m_txtDemand = fb::inputBox(this, QStringLiteral("txtDemand"));
    m_txtProbability = fb::inputBox(this, QStringLiteral("txtProbability"));
    m_txtCumulative = shownOnlyBox(this, QStringLiteral("txtCumulative"), 20);
    for (QLineEdit* box : {m_txtDemand, m_txtProbability})
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 12);

    if (m_style == EditorStyle::SinglePeriod) {
        for (QLineEdit* box : {m_txtDemand, m_txtProbability}) {
            widgets::InputBoxes::install(box, widgets::InputBoxes::numberBox(), &ctx.notifier);
            new RefusedKeyBeep(box, ctx.beeper());
        }
        widgets::InputBoxOptions enterOnly;
        enterOnly.colouring = false;
        enterOnly.keyFilter = false;
        enterOnly.numberCheck = false;
        for (QLineEdit* box : {m_txtCounter, m_txtCumulative})
            widgets::InputBoxes::install(box, enterOnly, &ctx.notifier);
    } else {
        widgets::InputBoxOptions filterAndCheck;
        filterAndCheck.colouring = false;
        filterAndCheck.enterMovesOn = false;
        for (QLineEdit* box : {m_txtDemand, m_txtProbability})
            widgets::InputBoxes::install(box, filterAndCheck, &ctx.notifier);
    }

    m_cmdPrevious = fb::button(this, QStringLiteral("cmdPrevious"), QStringLiteral("<"));
    m_cmdPrevious->setToolTip(QStringLiteral("Go back"));
    m_cmdPrevious->setAccessibleName(QStringLiteral("Go back"));
    m_cmdNext = fb::button(this, QStringLiteral("cmdNext"), QStringLiteral(">"));
    m_cmdNext->setToolTip(QStringLiteral("Enter next record"));
    m_cmdNext->setAccessibleName(QStringLiteral("Enter next record"));
    for (QPushButton* b : {m_cmdPrevious, m_cmdNext})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 24);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto heading = [this, grid](const char* name, const QString& text, int column, QWidget* box) {
        QLabel* label = fb::label(this, QString::fromLatin1(name), text);
        label->setBuddy(box);
        grid->addWidget(label, 0, column);
    };
    heading("lblNo", QStringLiteral("No"), 0, m_txtCounter);
    heading("lblDemand", QStringLiteral("Units/period"), 1, m_txtDemand);
    heading("lblProbability", QStringLiteral("Probability"), 3, m_txtProbability);
    heading("lblCumulative", QStringLiteral("Cumulative"), 4, m_txtCumulative);
    grid->addWidget(m_txtCounter, 1, 0);
    grid->addWidget(m_txtDemand, 1, 1);
    grid->addWidget(fb::label(this, QStringLiteral("lblUnits"), QStringLiteral("units.")), 1, 2);
    grid->addWidget(m_txtProbability, 1, 3);
    grid->addWidget(m_txtCumulative, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdPrevious);
    buttons->addWidget(m_cmdNext);
    grid->addLayout(buttons, 2, 0, 1, 5);
    grid->setColumnStretch(5, 1);

    // Typing the demand, then the probability, then Enter on ">" stores the row.
    QWidget::setTabOrder(m_txtDemand, m_txtProbability);
    QWidget::setTabOrder(m_txtProbability, m_cmdNext);
    QWidget::setTabOrder(m_cmdNext, m_cmdPrevious);

    connect(m_txtDemand, &QLineEdit::textChanged, this, &DemandTableEditor::onDemandChanged);
    connect(m_txtProbability, &QLineEdit::textChanged, this, &DemandTableEditor::onProbabilityChanged);
    connect(m_cmdNext, &QPushButton::clicked, this, &DemandTableEditor::next);
    connect(m_cmdPrevious, &QPushButton::clicked, this, &DemandTableEditor::previous);

    m_txtCounter->setText(QStringLiteral("1"));
}

std::vector<st::DemandRow> DemandTableEditor::rows() const { return {m_rows.begin(), m_rows.begin() + m_lastRow}; }

double DemandTableEditor::cumulative(int row) const {
    if (row < 1 || row > m_lastRow) return 0;
    return m_cumulative[static_cast<std::size_t>(index(row))];
}

void DemandTableEditor::reset() {
    m_rows.fill({});
    m_cumulative.fill(0);
    m_lastRow = 1;
    m_currentRow = 1;
    m_runningTotal = 0;
    m_lastRowStored = false;
    // The change handlers run on row 1 of the empty table.
    m_txtDemand->clear();
    m_txtProbability->clear();
    m_txtCumulative->clear();
    m_txtCounter->setText(QStringLiteral("1"));
}

void DemandTableEditor::recompute() {
    const std::vector<st::DemandRow> table = rows();
    const std::vector<double> sums = st::cumulativeProbabilities(table);
    std::copy(sums.begin(), sums.end(), m_cumulative.begin());
    const int stored = m_lastRowStored ? m_lastRow : m_lastRow - 1;
    m_runningTotal = st::runningTotal(std::span(table).first(static_cast<std::size_t>(stored)));
}

void DemandTableEditor::onDemandChanged(const QString& text) {
    widgets::runGuarded(this, m_ctx.notifier, [&] {
        m_rows[static_cast<std::size_t>(index(m_currentRow))].demand = core::leadingNumber(text.toStdString());
    });
}

void DemandTableEditor::onProbabilityChanged(const QString& text) {
    widgets::runGuarded(this, m_ctx.notifier, [&] {
        m_rows[static_cast<std::size_t>(index(m_currentRow))].probability = core::leadingNumber(text.toStdString());
    });
    recompute();
    const double sum = cumulative(m_currentRow);
    m_txtCumulative->setText(numberText(sum));
    const double probability = m_rows[static_cast<std::size_t>(index(m_currentRow))].probability;
    if (const auto m = st::probabilityMessage(probability, sum)) {
        if (st::cumulativeMessageBeep(*m) == st::Beep::BeforeMessage) {
            m_ctx.beeper().beep();
            message(*m, m_focusWhenFull);
        } else {
            message(*m, m_txtProbability);
        }
    }
}

void DemandTableEditor::next() {
    if (const auto refusal = st::nextRefusal(cumulative(m_currentRow))) {
        message(*refusal, m_focusWhenFull);
        return;
    }
    if (m_currentRow == m_lastRow && m_lastRowStored) {
        message({"This is the end.", kErrorTitle, MessageIcon::Information}, nullptr);
        return;
    }
    if (m_currentRow < m_lastRow) {
        ++m_currentRow;
        showRow(m_currentRow);
        m_txtDemand->setFocus();
        showCounter(m_currentRow);
        return;
    }
    // The row being entered: both boxes must be filled.
    const std::pair<QLineEdit*, const char*> needed[] = {{m_txtDemand, "Please enter the Demand."},
                                                         {m_txtProbability, "Please enter the Probability."}};
    for (const auto& [box, text] : needed) {
        if (isEmptyBox(box)) {
            m_ctx.beeper().beep();
            message({text, kErrorTitle, MessageIcon::Exclamation}, box);
            return;
        }
    }
    st::DemandRow& row = m_rows[static_cast<std::size_t>(index(m_currentRow))];
    const bool read = widgets::runGuarded(this, m_ctx.notifier, [&] {
        row.demand = core::leadingNumber(m_txtDemand->text().toStdString());
        row.probability = core::leadingNumber(m_txtProbability->text().toStdString());
    });
    if (!read) return;
    if (m_lastRow == st::kMostDemandRows) {
        // The last row there is room for: stored, and the editor stays on it.
        m_lastRowStored = true;
        recompute();
        m_txtCumulative->setText(numberText(m_runningTotal));
        message({"If you have so many data, you should better use the continuous approximation.", "Suggestion",
                 MessageIcon::Information},
                nullptr);
        return;
    }
    ++m_lastRow;
    ++m_currentRow;
    recompute();
    // The new row starts as a single blank in each box (its demand and probability 0).
    m_txtDemand->setText(QStringLiteral(" "));
    m_txtProbability->setText(QStringLiteral(" "));
    m_txtCumulative->setText(numberText(m_runningTotal));
    showCounter(m_lastRow);
    m_txtDemand->setFocus();
}

void DemandTableEditor::previous() {
    if (m_currentRow == 1) {
        message({"This is the first one.", kErrorTitle, MessageIcon::Information}, nullptr);
        return;
    }
    --m_currentRow;
    showRow(m_currentRow);
    showCounter(m_currentRow);
}

void DemandTableEditor::showRow(int row) {
    const st::DemandRow& shown = m_rows[static_cast<std::size_t>(index(row))];
    const double sum = cumulative(row);
    m_txtDemand->setText(numberText(shown.demand));
    m_txtProbability->setText(numberText(shown.probability));
    m_txtCumulative->setText(numberText(sum));
}

void DemandTableEditor::showCounter(int row) { m_txtCounter->setText(QString::number(row)); }

void DemandTableEditor::message(const CheckMessage& m, QWidget* focus) {
    widgets::showFailedCheck(window(), m_ctx.notifier, m, focus);
}

bool DemandTableEditor::isEmptyBox(const QLineEdit* box) const {
    return box->text().isEmpty() || box->text() == QLatin1String(" ");
}

}  // namespace tervalo::stochastic
