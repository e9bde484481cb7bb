#pragma once
// How one part of the program drives a window of another: each window that is
// driven from outside implements one of these, and callers reach it through
// the registry as that interface (WindowRegistry::instanceAs), never by the
// name of a method or a property.
#include <QDate>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "core/CheckMessage.h"
#include "core/demand/DemandAnalysis.h"
#include "data/SsRepository.h"

class QWidget;

namespace tervalo::widgets {

struct AppContext;

// frmReport, the list of saved results: 1 EOQ, 2 (s,S), 3 single period uniform, 4 normal.
class ReportListWindow {
public:
    virtual ~ReportListWindow() = default;
    virtual void showList(int list) = 0;
};

// frmSalesData, the item card, as the Data menu drives it.
class SalesDataWindow {
public:
    virtual ~SalesDataWindow() = default;
    virtual void actionViaMenu(bool find, bool import, bool analyze) = 0;
};

// frmBrowser, the web browser: the address it goes to when first shown.
class WebBrowserWindow {
public:
    virtual ~WebBrowserWindow() = default;
    virtual void setStartingAddress(const QString& address) = 0;
};

// What the web browser's library (a Qt plugin, loaded when frmBrowser is first
// asked for) gives the program: a new frmBrowser, unshown and without a parent,
// that is a WebBrowserWindow.
class WebBrowserWindowMaker {
public:
    virtual ~WebBrowserWindowMaker() = default;
    virtual QWidget* makeWindow(AppContext& ctx) = 0;
};

// What an EOQ window shows after a run: every text empty (and no row key)
// when the run stopped at a check or a fault.
struct EoqRunResult {
    bool calculated = false;
    QString orderQuantity;
    QString orderInterval;
    QString maxInventory;     // manufacturing windows
    QString allowedShortage;  // windows with shortages
    QString logId;            // the saved row; empty when the save failed
};

// The texts frmPurchaseSA is run with, as the wizard passes them.
struct PurchaseSaTexts {
    QString itemName;
    QString demand;
    QString price;
    QString holdingCost;
    QString orderCost;
    QString shortageCost;
    // "year", "month" or "week", matched exactly (any other text gives Year);
    // none keeps the window's current option.
    std::optional<QString> timeUnit;
};

// frmPurchaseSA: fills its boxes, selects the unit, then calculates as its
// button does, checks and messages included.
class PurchaseSaWindowEntry {
public:
    virtual ~PurchaseSaWindowEntry() = default;
    virtual EoqRunResult run(const PurchaseSaTexts& texts) = 0;
};

// The texts frmManufSA is run with.
struct ManufSaTexts {
    QString itemName;
    QString demand;
    QString unitCost;
    QString holdingCost;
    QString setupCost;
    QString manufRate;
    QString shortageCost;
    QString timeUnit;  // "year", "month" or "week", matched exactly; any other text gives Year
};

class ManufSaWindowEntry {
public:
    virtual ~ManufSaWindowEntry() = default;
    virtual EoqRunResult run(const ManufSaTexts& texts) = 0;
};

// The four option buttons of frmSinglePeriodC: optType(0) "(s,S) policy",
// optType(1) "Christmas Tree" (the single-period problem), optModel(0)
// "Uniform" and optModel(1) "Normal".
enum class SinglePeriodOption { SsPolicy, SinglePeriod, Uniform, Normal };

// The texts frmSinglePeriodC is run with, in the order the wizard and the
// batch analysis pass them; each goes unchanged into its box.
struct SinglePeriodUniformTexts {  // runSingleP_unif
    QString lowerD;
    QString upperD;
    QString itemName;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

struct SinglePeriodNormalTexts {  // runSingleP_Norm
    QString meanD;
    QString varianceD;
    QString itemName;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

struct SsUniformTexts {  // runSS_unif
    QString lowerD;
    QString upperD;
    QString itemName;
    QString orderingCost;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

// What a run of frmSinglePeriodC produced: S (txtS2) and, when the (s,S)
// policy was computed, s (txtS1). An empty S means no result (a check, a
// message of the calculation or a fault stopped it).
struct SinglePeriodRunResult {
    QString orderUpTo;     // S with its leading blank: " 841"
    QString reorderPoint;  // s with its leading blank; empty for the single-period problem
    QString logId;         // the saved s_S row; empty when the save failed

    bool calculated() const { return !orderUpTo.isEmpty(); }
};

// frmSinglePeriodC as the left panel, the wizard and the batch analysis drive
// it. Each run selects the options of its case first (a change runs the
// option's handler, which empties the boxes, and may bring up the refusal of
// normal demand with the (s,S) policy), then fills the boxes and calculates as
// the button does, checks and messages included.
class SinglePeriodWindowEntry {
public:
    virtual ~SinglePeriodWindowEntry() = default;
    // Selects an option as a click does: its handler runs only when it changes the selection.
    virtual void select(SinglePeriodOption option) = 0;
    virtual SinglePeriodRunResult runSingleP_unif(const SinglePeriodUniformTexts& texts) = 0;
    virtual SinglePeriodRunResult runSingleP_Norm(const SinglePeriodNormalTexts& texts) = 0;
    virtual SinglePeriodRunResult runSS_unif(const SsUniformTexts& texts) = 0;
};

// A run of the single-period calculation without its window (the batch
// analysis over all items): what the window would have shown in S and s (no
// LogID: nothing is saved yet), the boxes it would have shown, in order, and
// the s_S row it would have saved, for the caller to save; none when a check,
// a message or a fault stopped the calculation.
struct SinglePeriodCalculation {
    SinglePeriodRunResult result;
    std::vector<core::CheckMessage> messages;
    std::optional<data::SsRow> row;
};

// The calculation of frmSinglePeriodC as its runs make it, checks included,
// showing nothing and touching no database, so that runs of many items may go
// on several threads at once; only what S, s and the row need is computed
// (none of the texts of the cost table).
class SinglePeriodCalculator {
public:
    virtual ~SinglePeriodCalculator() = default;
    virtual SinglePeriodCalculation runSingleP_unif(const SinglePeriodUniformTexts& texts, const QDate& day) const = 0;
    virtual SinglePeriodCalculation runSS_unif(const SsUniformTexts& texts, const QDate& day) const = 0;
};

// The two problem options of frmSinglePeriodD: optType(0) "(s,S) policy" and
// optType(1) the single-period problem.
enum class DiscreteProblemOption { SsPolicy, SinglePeriod };

// frmSinglePeriodD as the left panel drives it: it opens the window, then
// chooses the problem.
class DiscreteSinglePeriodWindowEntry {
public:
    virtual ~DiscreteSinglePeriodWindowEntry() = default;
    // Selects the option as a click on it does.
    virtual void select(DiscreteProblemOption option) = 0;
};

// What the regression window made of a series: the lowest and highest demand
// (none for an empty series, which changes nothing), and whether a line was
// fitted (6 points or more, not all at one time) and its slope is significant.
struct RegressionRunResult {
    std::optional<core::demand::DemandBounds> bounds;
    bool fitted = false;
    bool significant = false;
};

// frmD2, the regression window, as the demand-history window and the batch
// analysis drive it.
class RegressionAnalysisWindow {
public:
    virtual ~RegressionAnalysisWindow() = default;
    // Predict at the current month (0 for the unit "Week") instead of at the
    // last period of the series; read by the next calculate().
    virtual void setUseCurrentTime(bool use) = 0;
    virtual void setTimeUnit(const QString& unit) = 0;
    // Analyses the series (any order; sorted by period) and shows the results;
    // the lowest and highest demand come back in the result (none for no periods).
    virtual RegressionRunResult calculate(std::vector<core::demand::DemandPoint> series) = 0;
    // Draws the series of the last calculate() and its fitted line.
    virtual void plotData() = 0;
    // The Back button; the batch analysis has no window to go back to.
    virtual void setBackEnabled(bool enabled) = 0;
};

}  // namespace tervalo::widgets

#define TERVALO_WEB_BROWSER_WINDOW_MAKER_IID "org.tervalo.WebBrowserWindowMaker/1.0"
Q_DECLARE_INTERFACE(tervalo::widgets::WebBrowserWindowMaker, TERVALO_WEB_BROWSER_WINDOW_MAKER_IID)
