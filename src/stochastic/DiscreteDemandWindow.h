#pragma once
// What the two discrete-demand windows share on the model-window skeleton: the
// row editor of their demand table, the timed demonstration with its Demo
// button and narration box, the Calculate, Print and Clear buttons, and the
// form's two columns (the assumptions, the example, the window's inputs, the
// editor and the buttons on the left; the results on the right).
#include <vector>

#include "stochastic/DemandTableEditor.h"
#include "stochastic/Demonstration.h"
#include "widgets/ModelWindow.h"
#include "widgets/WindowId.h"

class QPlainTextEdit;
class QPushButton;

namespace tervalo::stochastic {

class DiscreteDemandWindow : public widgets::ModelWindow {
    Q_OBJECT
public:
    ~DiscreteDemandWindow() override;

    // The demonstration's step, as its timer calls it every 3 seconds.
    void demo(int reSet);
    int demoStep() const;

    DemandTableEditor* editor() const { return m_editor; }
    Demonstration* demonstration() const { return m_demo; }

protected:
    DiscreteDemandWindow(widgets::AppContext& ctx, widgets::WindowId window, const QString& caption, int fieldCount,
                         EditorStyle style, QWidget* parent = nullptr);

    struct FormParts {
        QString assumptions;      // Label1 of "Assumptions"
        QString example;          // Label2 of "An example", above Demo and the narration
        QWidget* inputs;          // the window's own inputs, between the example and the editor
        QString editorFrameName;  // the editor's frame and its caption
        QString editorCaption;
        QWidget* results;  // the right column
    };
    void layOutForm(const FormParts& parts);
    // The row-entry steps 1 to 20, then the window's own.
    void setDemoSteps(const std::vector<DemoStep>& own);
    // Tab moves through `chain` in order.
    static void chainTabs(const QList<QWidget*>& chain);

    QPushButton* cmdCalculate() const { return m_cmdCalculate; }
    QPushButton* cmdPrint() const { return m_cmdPrint; }
    QPushButton* cmdClear() const { return m_cmdClear; }
    QPushButton* cmdDemo() const { return m_cmdDemo; }
    QPlainTextEdit* narration() const { return m_txtDemo; }

private:
    DemandTableEditor* m_editor = nullptr;
    Demonstration* m_demo = nullptr;
    QPlainTextEdit* m_txtDemo = nullptr;
    QPushButton* m_cmdDemo = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdClear = nullptr;
};

}  // namespace tervalo::stochastic
