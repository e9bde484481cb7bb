#include "stochastic/Demonstration.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "stochastic/DemandTableEditor.h"

namespace tervalo::stochastic {

Demonstration::Demonstration(QPushButton* cmdDemo, QPlainTextEdit* narration, QObject* parent)
    : QObject(parent), m_cmdDemo(cmdDemo), m_narration(narration), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &Demonstration::onTimeout);
}

bool Demonstration::isRunning() const { return m_timer->isActive(); }

void Demonstration::start() {
    m_cmdDemo->setEnabled(false);
    m_narration->setPlainText(
        QStringLiteral("Welcome to Demo! We now show how to use this program using the data above."));
    m_narration->show();
    m_demoStep = 0;
    m_timer->start();
}

void Demonstration::onTimeout() { demo(m_demoStep); }

void Demonstration::demo(int reSet) {
    if (reSet == 0) m_stepCounter = 0;
    ++m_stepCounter;
    m_demoStep = m_stepCounter;
    if (m_stepCounter < 1 || m_stepCounter > static_cast<int>(m_steps.size())) return;
    // A copy: the step may replace the script (a window returned to its start).
    const DemoStep step = m_steps[static_cast<std::size_t>(m_stepCounter - 1)];
    if (step.narration) m_narration->setPlainText(*step.narration);
    if (step.action) step.action();
}

void Demonstration::finish() {
    m_narration->clear();
    m_narration->hide();
    m_timer->stop();
    m_cmdDemo->setEnabled(true);
}

void Demonstration::type(QWidget* box, const QString& keys) {
    for (const QChar c : keys) {
        int key = 0;
        if (c.isDigit()) {
            key = Qt::Key_0 + c.digitValue();
        } else if (c.isLetter() && c.unicode() < 128) {
            key = Qt::Key_A + (c.toUpper().unicode() - 'A');
        } else if (c == QLatin1Char('.')) {
            key = Qt::Key_Period;
        } else {
            key = c.unicode();
        }
        const Qt::KeyboardModifiers modifiers = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(c));
        QCoreApplication::sendEvent(box, &release);
    }
}

QPlainTextEdit* Demonstration::narrationBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("txtDemo"));
    box->setAccessibleName(QStringLiteral("Demonstration"));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics = box->fontMetrics();
    box->setFixedHeight(3 * metrics.lineSpacing() + 2 * box->frameWidth() + 8);
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    box->hide();
    return box;
}

QString Demonstration::exampleTable(const QString& demandHeading) {
    QString table = QStringLiteral("      ") + demandHeading + QStringLiteral("      Probability");
    const char* const rows[][2] = {{"0", "0.1"}, {"1", "0.2"}, {"2", "0.2"}, {"3", "0.2"}, {"4", "0.2"}, {"5", "0.1"}};
    const int demandWidth = int(demandHeading.size());
    for (const auto& row : rows) {
        table += QStringLiteral("\n      ") + QString::fromLatin1(row[0]).rightJustified(demandWidth / 2 + 1) +
                 QString(demandWidth - demandWidth / 2 - 1, QLatin1Char(' ')) + QStringLiteral("           ") +
                 QString::fromLatin1(row[1]);
    }
    return table;
}

void Demonstration::focus(QWidget* control) { control->setFocus(Qt::OtherFocusReason); }

std::vector<DemoStep> Demonstration::rowEntrySteps(DemandTableEditor& editor) {
    QLineEdit* demand = editor.demandBox();
    QLineEdit* probability = editor.probabilityBox();
    QPushButton* next = editor.nextButton();
    auto setRow = [demand, probability](const char* d, const char* p) {
        demand->setText(QString::fromLatin1(d));
        probability->setText(QString::fromLatin1(p));
    };
    auto press = [&editor] { editor.next(); };
    return {
        /* 1 */ {QStringLiteral("We now enter the data in first row, that is 0, and 0.1"), {}},
        /* 2 */
        {std::nullopt,
         [demand] {
             focus(demand);
             type(demand, QStringLiteral("0"));
         }},
        /* 3 */
        {std::nullopt,
         [probability] {
             focus(probability);
             type(probability, QStringLiteral("0.1"));
         }},
        /* 4 */
        {QStringLiteral("Please note that after 0.1 entered, cumulative is automatically filled."),
         [next] { focus(next); }},
        /* 5 */ {QStringLiteral("Now we enter the 2nd row of the data, that is 1, and 0.2. We press > button."), {}},
        /* 6 */ {std::nullopt, press},
        /* 7 */
        {QStringLiteral("Then, we enter 1, and 0.2 in Units bix and Probability box, respectively."),
         [demand] { focus(demand); }},
        /* 8 */ {std::nullopt, [demand] { type(demand, QStringLiteral("1")); }},
        /* 9 */
        {std::nullopt,
         [probability] {
             focus(probability);
             type(probability, QStringLiteral("0.2"));
         }},
        /* 10 */ {QStringLiteral("As you can see, the cumulative is filled automaticallly again (=0.1+0.2)"), {}},
        /* 11 */ {QStringLiteral("Similarly, we enter the 3rd row of the data (2,0.2)."), [next] { focus(next); }},
        /* 12 */ {std::nullopt, press},
        /* 13 */ {std::nullopt, [setRow] { setRow("2", "0.2"); }},
        /* 14 */ {QStringLiteral("...and the 4th row of the data ..."), [next] { focus(next); }},
        /* 15 */
        {std::nullopt,
         [press, setRow] {
             press();
             setRow("3", "0.2");
         }},
        /* 16 */ {QStringLiteral("...and the 5th row of the data..."), [next] { focus(next); }},
        /* 17 */ {std::nullopt, press},
        /* 18 */ {std::nullopt, [setRow] { setRow("4", "0.2"); }},
        /* 19 */ {QStringLiteral("...and the 6th row of the data..."), [next] { focus(next); }},
        /* 20 */
        {std::nullopt,
         [press, setRow] {
             press();
             setRow("5", "0.1");
         }},
    };
}

}  // namespace tervalo::stochastic
