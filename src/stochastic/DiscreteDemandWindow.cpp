#include "stochastic/DiscreteDemandWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/FormBuilder.h"

namespace tervalo::stochastic {

namespace fb = widgets::FormBuilder;

namespace {

constexpr int kIntroColumns = 60;

}  // namespace

DiscreteDemandWindow::DiscreteDemandWindow(widgets::AppContext& ctx, widgets::WindowId window, const QString& caption,
                                           int fieldCount, EditorStyle style, QWidget* parent)
    : ModelWindow(ctx, window, caption, fieldCount, parent) {
    // A fault in the calculation is the window's own ("Error Message", exclamation).
    setCalculateErrorWording(QString(), platform::MsgIcon::Exclamation);
    setModelFaultShown(ModelFault::Handler);
    m_editor = new DemandTableEditor(ctx, style, form());
    m_cmdDemo = button(form(), QStringLiteral("cmdDemo"), QStringLiteral("&Demo"));
    m_txtDemo = Demonstration::narrationBox(form());
    m_cmdCalculate = button(form(), QStringLiteral("cmdCalculate"), QStringLiteral("C&alculate"));
    m_cmdPrint = button(form(), QStringLiteral("cmdPrint"), QStringLiteral("&Print Report"));
    m_cmdClear = button(form(), QStringLiteral("cmdClear"), QStringLiteral("&Clear"));
    m_demo = new Demonstration(m_cmdDemo, m_txtDemo, this);
}

DiscreteDemandWindow::~DiscreteDemandWindow() = default;

void DiscreteDemandWindow::layOutForm(const FormParts& parts) {
    auto* left = new QVBoxLayout;
    left->addWidget(textFrame(form(), QStringLiteral("Frame1"), QStringLiteral("Assumptions"), QStringLiteral("Label1"),
                              parts.assumptions, kIntroColumns));
    QGroupBox* example = textFrame(form(), QStringLiteral("Frame2"), QStringLiteral("An example"),
                                   QStringLiteral("Label2"), parts.example, kIntroColumns, m_cmdDemo);
    // The narration under the Demo button, before the frame's closing stretch.
    static_cast<QVBoxLayout*>(example->layout())->insertWidget(2, m_txtDemo);
    left->addWidget(example);
    left->addWidget(parts.inputs);
    left->addStretch(1);

    // The table's rows and the buttons head the right side, above the results,
    // so that the form fits a screen 900 pixels high.
    auto* right = new QVBoxLayout;
    QGroupBox* editorFrame = fb::frame(form(), parts.editorFrameName, parts.editorCaption);
    (new QVBoxLayout(editorFrame))->addWidget(m_editor);
    right->addWidget(editorFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdCalculate);
    buttons->addWidget(m_cmdPrint);
    buttons->addWidget(m_cmdClear);
    buttons->addStretch(1);
    right->addLayout(buttons);
    right->addWidget(parts.results);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(form());
    layout->addLayout(left);
    layout->addLayout(right);
    layout->addStretch(1);
}

void DiscreteDemandWindow::setDemoSteps(const std::vector<DemoStep>& own) {
    std::vector<DemoStep> script = Demonstration::rowEntrySteps(*m_editor);
    script.insert(script.end(), own.begin(), own.end());
    m_demo->setScript(std::move(script));
}

void DiscreteDemandWindow::chainTabs(const QList<QWidget*>& chain) {
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void DiscreteDemandWindow::demo(int reSet) { m_demo->demo(reSet); }

int DiscreteDemandWindow::demoStep() const { return m_demo->demoStep(); }

}  // namespace tervalo::stochastic
