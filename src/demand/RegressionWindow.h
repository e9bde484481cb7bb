#pragma once
// frmD2, "Analyzing Demand - Regression Analysis": the fitted line of a demand
// history, its prediction at the time in txtX with the half-width of the
// interval, the slope tested at the level in ComboAlpha ("0.05" or "0.10"),
// the suggested demand model, and the plot. Picking a level, or a new time in
// txtX (Enter or leaving the box after a change), fits the line again.
// A series of fewer than 6 periods, or one that cannot be fitted, empties the
// results, and a change of level or time fits nothing; its lowest and highest
// demand are still handed on.
#include <QWidget>
#include <optional>
#include <vector>

#include "core/demand/DemandAnalysis.h"
#include "widgets/windows/RegressionAnalysisWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::demand {

class RegressionPlot;

class RegressionWindow : public QWidget, public widgets::RegressionAnalysisWindow {
    Q_OBJECT
public:
    explicit RegressionWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    void setUseCurrentTime(bool use) override { m_useCurrentTime = use; }
    void setTimeUnit(const QString& unit) override { m_timeUnit = unit; }
    widgets::RegressionRunResult calculate(std::vector<core::demand::DemandPoint> series) override;
    void plotData() override;
    void setBackEnabled(bool enabled) override;

    RegressionPlot* plot() const { return m_plot; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void onAlphaPicked();
    // Fits the line again at the time typed in txtX, when it changed since the last fit.
    void predictAgain();
    // Shows a fit made after a change of level or time: the notice when the
    // slope is significant, the equation, the sentence, the prediction; the
    // suggestion too when `withSuggestion`.
    void showRefit(const core::demand::Regression& r, bool withSuggestion);
    void showTexts(const core::demand::RegressionTexts& texts);
    void clearResults();
    std::string alphaText() const;
    void back();
    void cancel();

    widgets::AppContext& m_ctx;
    bool m_useCurrentTime = false;
    QString m_timeUnit;
    std::vector<core::demand::DemandPoint> m_series;  // in time order
    std::optional<core::demand::Regression> m_regression;
    bool m_significant = false;
    bool m_xEdited = false;

    RegressionPlot* m_plot = nullptr;
    QLabel* m_lblReg = nullptr;
    QLabel* m_lblABX = nullptr;
    QLineEdit* m_txtX = nullptr;
    QLineEdit* m_txtY = nullptr;
    QLabel* m_lblError = nullptr;
    QComboBox* m_comboAlpha = nullptr;
    QLabel* m_lblSuggestion = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdBack = nullptr;
};

}  // namespace tervalo::demand
