#pragma once
// What sets the four EOQ windows apart: captions and texts, the boxes of the
// "Item and costs" frame and of the results, the cost parts, the worked
// example, the error-message wording, which buttons Calculate and Clear
// enable, and the tab order. The checks are the core's table of the model.
// EoqWindow builds and runs a window from it.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "core/lotsize/DiscountOffer.h"
#include "core/lotsize/EoqChecks.h"
#include "core/lotsize/TimeUnit.h"
#include "platform/Notifier.h"
#include "widgets/WindowId.h"

namespace tervalo::lotsize {

using core::lotsize::EoqField;
using core::lotsize::EoqModel;

// The result boxes of the "The optimal policy" frame.
enum class EoqResultBox { Quantity, Interval, MaxInventory, AllowedShortage, Count };

// A labelled box of the input or the result frame.
struct BoxRow {
    int box;             // an EoqField (inputs) or EoqResultBox (results)
    QString labelName;   // "Label4"
    QString caption;     // "Demand, units/"
    int unitLabel = -1;  // index of the lblTimePeriod shown after the caption, -1 for none
};

// The controls of the tab order; Inputs stands for every input box in order.
enum class EoqControl { Example, Inputs, Calculate, Discount, Print, Clear, DiscRate, DiscQ, ShouldYou, TimeOptions };

// The texts of the supplier's-offer frame of the purchasing windows.
struct DiscountFrameTexts {
    core::lotsize::OfferWindow kind = core::lotsize::OfferWindow::NoShortages;
    QString quantityLead;  // "discount if you buy" or "discount if you order"
    QString unitsText;     // "units." or "units"
    QString shouldYouCaption;
    QString errorSuffix;  // appended to a run-time error's description
};

// The left-panel button that shows this window: Command2(firstTab) while the
// panel shows its first tab, Command1(otherTabs) otherwise.
struct LauncherButtons {
    int firstTab = -1;
    int otherTabs = -1;
    bool any() const { return firstTab >= 0 || otherTabs >= 0; }
};

using BoxTexts = QList<std::pair<EoqField, QString>>;

struct EoqWindowDescription {
    EoqModel model = EoqModel::PurchasingNoShortages;
    widgets::WindowId window = widgets::WindowId::PurchaseNS;
    QString caption;

    QString assumptions;
    QString example;         // paragraphs separated by a blank line
    QList<BoxRow> inputs;    // the "Item and costs" boxes, top to bottom
    QList<BoxRow> results;   // the "The optimal policy" boxes, top to bottom
    int timeUnitLabels = 3;  // lblTimePeriod(0..n-1); 0 demand, 1 holding cost, 2 cost table
    QString clearCaption;
    QString calculateCaption = QStringLiteral("C&alculate");
    QString printCaption = QStringLiteral("&Print Report");
    QString exampleCaption = QStringLiteral("&Click this button to see results");

    QStringList costParts;
    // The Total's share is written as the constant 100 (purchasing windows)
    // rather than the total divided by itself.
    bool constantTotalShare = false;

    BoxTexts exampleTexts;  // filled in by the example button, in this order
    core::lotsize::TimeUnit exampleUnit = core::lotsize::TimeUnit::Year;

    // Run-time errors of Calculate (and Clear): description + suffix, "Error Message".
    QString calculateErrorSuffix;
    platform::MsgIcon calculateErrorIcon = platform::MsgIcon::Exclamation;
    QString clearErrorSuffix;

    bool printEnabledAtLoad = false;
    bool calculateEnablesPrint = true;
    bool clearDisablesPrint = true;

    std::optional<DiscountFrameTexts> discount;  // the purchasing windows' what-if
    LauncherButtons launcher;
    QList<EoqControl> tabOrder;  // first to last

    bool production() const { return core::lotsize::isProduction(model); }
    bool shortages() const { return core::lotsize::allowsShortages(model); }
};

// Everything the model decides: form name and caption, the assumptions and the
// worked example, the boxes with their captions and unit labels, the result
// boxes and the cost parts. Each window adds its own wording and rules.
EoqWindowDescription modelDescription(EoqModel model);

// The control name of an input field's box ("txtDemand") and of a result box.
QString boxName(EoqField field);
QString boxName(EoqResultBox box);

}  // namespace tervalo::lotsize
