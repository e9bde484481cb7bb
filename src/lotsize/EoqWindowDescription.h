#pragma once
// What sets the four EOQ windows apart: captions and texts, the boxes of the
// "Item and costs" frame, the checks of Calculate in their order, the cost
// parts, the worked example, the error-message wording and which buttons
// Calculate and Clear enable. EoqWindow builds and runs a window from it.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/lotsize/DiscountOffer.h"
#include "core/lotsize/TimeUnit.h"
#include "platform/Notifier.h"

namespace tervalo::lotsize {

// One check of Calculate: the first failing one shows its box and ends the click.
struct InputCheck {
    QString box;  // the box that gets the focus back, e.g. "txtDemand"
    QString message;
    QString title = QStringLiteral("Error Message");
    platform::MsgIcon icon = platform::MsgIcon::Information;
    bool mustBeNumber = true;  // false: only an empty text fails (the item name)
};

// A labelled box of the input or the result frame.
struct BoxRow {
    QString box;         // "txtDemand"
    QString labelName;   // "Label4"
    QString caption;     // "Demand, units/"
    int unitLabel = -1;  // index of the lblTimePeriod shown after the caption, -1 for none
};

// The box texts the worked-example button fills in.
struct ExampleValues {
    QList<std::pair<QString, QString>> texts;  // box name, text, in the order they are filled
    core::lotsize::TimeUnit unit = core::lotsize::TimeUnit::Year;
};

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

struct EoqWindowDescription {
    QString formName;
    QString caption;
    int modelId = 0;  // the calculator's ModelType and the saved rows' ModelID

    QString assumptions;
    QString example;         // paragraphs separated by a blank line
    QList<BoxRow> inputs;    // the "Item and costs" boxes, top to bottom
    QList<BoxRow> results;   // the "The optimal policy" boxes, top to bottom
    int timeUnitLabels = 3;  // lblTimePeriod(0..n-1); 0 demand, 1 holding cost, 2 cost table
    QString clearCaption;
    QString calculateCaption = QStringLiteral("C&alculate");
    QString printCaption = QStringLiteral("&Print Report");
    QString exampleCaption = QStringLiteral("&Click this button to see results");

    QList<InputCheck> checks;
    // Refuses a production rate below the demand (manufacturing windows).
    std::optional<InputCheck> rateBelowDemand;

    QStringList costParts;
    // The Total's share is written as the constant 100 (purchasing windows)
    // rather than the total divided by itself.
    bool constantTotalShare = false;

    ExampleValues workedExample;

    // Run-time errors of Calculate (and Clear): description + suffix, "Error Message".
    QString calculateErrorSuffix;
    platform::MsgIcon calculateErrorIcon = platform::MsgIcon::Exclamation;
    QString clearErrorSuffix;

    bool printEnabledAtLoad = false;
    bool calculateEnablesPrint = true;
    bool clearDisablesPrint = true;

    std::optional<DiscountFrameTexts> discount;  // the purchasing windows' what-if
    LauncherButtons launcher;
    QStringList tabOrder;  // control names, first to last

    bool production() const { return modelId == 3 || modelId == 4; }
    bool shortages() const { return modelId == 2 || modelId == 4; }
};

// Everything the model decides: form name and caption, the assumptions and the
// worked example, the boxes with their captions and unit labels, the result
// boxes, the cost parts and, for the manufacturing models, the checks. Each
// window adds its own wording and rules.
EoqWindowDescription modelDescription(int modelId);

// The checks of the demand, price, holding-cost and ordering-cost boxes, in that
// order, titled "Error Message" with the information icon.
QList<InputCheck> costChecks(const QString& demandMessage, const QString& orderingMessage);

// The tab order: the example button, the input boxes, `afterInputs` (buttons
// and what-if boxes in the window's own order), the time-unit options, then the
// what-if controls not placed yet.
QStringList tabOrder(const EoqWindowDescription& d, const QStringList& afterInputs);

}  // namespace tervalo::lotsize
