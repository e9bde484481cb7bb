#include "warehouse/card/SalesDataForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "warehouse/card/SalesGrid.h"
#include "widgets/FormBuilder.h"
#include "widgets/FormScrollArea.h"
#include "widgets/InputBoxes.h"

namespace tervalo::warehouse {

namespace {

namespace fb = widgets::FormBuilder;

struct ActionButton {
    const char* caption;
    const char* toolTip;
};

// Command1(0..6), in index order.
constexpr ActionButton kActions[] = {
    {"&Save", "Save a record."},
    {"&Cancel", "Cancel add or edit operations."},
    {"&Import Data", "Import data from text files, dBase file, Excel, etc."},
    {"A&nalysis", "Ananlyz data in this database to estimate reorder point and order quantity."},
    {"&Delete", "Delete a record."},
    {"&Add", "Click this if manually add a record."},
    {"&Update", "Update your company's database with the reorder point calculated here."},
};

constexpr const char* kNavigation[] = {"|<", "<", ">", ">|"};
// What the arrows are announced as.
constexpr const char* kNavigationNames[] = {"First", "Previous", "Next", "Last"};

// A box of the card: no focus colouring (the card colours them itself), no
// Enter moving on; the key filter and the leave-time check as given.
void installBox(QLineEdit* box, bool keyFilter, const QString& checkField, platform::Notifier& notifier) {
    widgets::InputBoxOptions options;
    options.colouring = false;
    options.enterMovesOn = false;
    options.keyFilter = keyFilter;
    options.numberCheck = !checkField.isEmpty();
    options.checkText = checkField + " should be a number.";
    options.checkTitle = QStringLiteral("Invalid data");
    widgets::InputBoxes::install(box, options, &notifier);
}

// A unit such as "$/unit/" followed by the time unit's label.
QWidget* unitWithTimeUnit(QWidget* parent, const QString& name, const QString& text, QLabel* timeUnit) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(fb::label(holder, name, text));
    timeUnit->setParent(holder);
    row->addWidget(timeUnit);
    row->addStretch();
    return holder;
}

}  // namespace

SalesDataForm::SalesDataForm(QWidget* card, platform::Notifier& notifier, platform::Clock& clock) {
    // A card made smaller than its form (Window > Tile) scrolls the form, as the model windows do.
    QWidget* window = (new widgets::FormScrollArea(card))->form();
    auto* outer = new QVBoxLayout(window);

    QGroupBox* itemFrame = fb::frame(window, QStringLiteral("Frame1"), QStringLiteral("Item Data"));
    auto* form = new QGridLayout(itemFrame);
    txtItemID = fb::inputBox(itemFrame, QStringLiteral("txtItemID"));
    txtItem = fb::inputBox(itemFrame, QStringLiteral("txtItem"));
    txtUnitCost = fb::inputBox(itemFrame, QStringLiteral("txtUnitCost"));
    comboTimeUnit = new QComboBox(itemFrame);
    comboTimeUnit->setObjectName(QStringLiteral("ComboTimeUnit"));
    chkSinglePeriod = new QCheckBox(QStringLiteral("Single-Period"), itemFrame);
    chkSinglePeriod->setObjectName(QStringLiteral("chkSinglePeriod"));
    chkSinglePeriod->setToolTip(
        QStringLiteral("For example, Christmas Tree is a single period item, while milk is not."));
    txtOrderCost = fb::inputBox(itemFrame, QStringLiteral("txtOrderCost"));
    txtLeadTime = fb::inputBox(itemFrame, QStringLiteral("txtLeadTime"));
    txtHoldingCost = fb::inputBox(itemFrame, QStringLiteral("txtHoldingCost"));
    txtShortageCost = fb::inputBox(itemFrame, QStringLiteral("txtShortageCost"));
    txtReOrderPoint = fb::inputBox(itemFrame, QStringLiteral("txtReOrderPoint"));
    txtOrderQty = fb::inputBox(itemFrame, QStringLiteral("txtOrderQty"));
    for (QLineEdit* locked : {txtReOrderPoint, txtOrderQty}) {
        locked->setReadOnly(true);
        QPalette palette = locked->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        locked->setPalette(palette);
    }
    cmdFind = fb::button(itemFrame, QStringLiteral("cmdFind"), QStringLiteral("&Find"));
    lblTimeUnit = fb::labelArray(itemFrame, QStringLiteral("lblTimeUnit"), 3, QStringLiteral("month"));

    installBox(txtUnitCost, false, QStringLiteral("Unit Cost"), notifier);
    installBox(txtOrderCost, false, QStringLiteral("Order Cost"), notifier);
    installBox(txtLeadTime, true, QString(), notifier);
    installBox(txtHoldingCost, true, QStringLiteral("Holding Cost"), notifier);
    installBox(txtShortageCost, true, QStringLiteral("Shortage Cost"), notifier);

    // Two columns of caption, box and unit.
    auto left = [&](int row, const char* name, const QString& caption, QWidget* box, QWidget* unit = nullptr) {
        fb::addRow(form, row, fb::label(itemFrame, QLatin1String(name), caption), box, unit);
    };
    auto right = [&](int row, const char* name, const QString& caption, QWidget* box, QWidget* unit = nullptr) {
        QLabel* label = fb::label(itemFrame, QLatin1String(name), caption);
        label->setBuddy(box);
        form->addWidget(label, row, 3);
        form->addWidget(box, row, 4);
        if (unit) form->addWidget(unit, row, 5);
    };
    left(0, "lblItemID", QStringLiteral("Item ID"), txtItemID);
    right(0, "lblItem", QStringLiteral("Item Name"), txtItem, cmdFind);
    left(1, "lblUnitCost", QStringLiteral("Unit Cost"), txtUnitCost, fb::label(itemFrame, "lblUnit0", "$/unit"));
    right(1, "lblTimeUnitCaption", QStringLiteral("Time Unit"), comboTimeUnit, chkSinglePeriod);
    left(2, "lblOrderCost", QStringLiteral("Setup Cost"), txtOrderCost, fb::label(itemFrame, "lblUnit1", "$"));
    right(2, "lblLeadTime", QStringLiteral("Lead Time"), txtLeadTime, lblTimeUnit[0]);
    left(3, "lblHoldingCost", QStringLiteral("Holding Cost"), txtHoldingCost,
         unitWithTimeUnit(itemFrame, "lblUnit2", "$/unit/", lblTimeUnit[1]));
    right(3, "lblShortageCost", QStringLiteral("Shortage Cost"), txtShortageCost,
          unitWithTimeUnit(itemFrame, "lblUnit3", "$/unit/", lblTimeUnit[2]));
    left(4, "lblReorderPoint", QStringLiteral("Re-order point"), txtReOrderPoint);
    right(4, "lblOrderQty", QStringLiteral("Order Qty"), txtOrderQty);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(4, 2);
    form->setColumnMinimumWidth(2, 70);
    outer->addWidget(itemFrame);

    QGroupBox* salesFrame = fb::frame(window, QStringLiteral("Frame2"), QStringLiteral("Historical Sales Data"));
    auto* salesLayout = new QVBoxLayout(salesFrame);
    grid = new SalesGrid(notifier, clock, salesFrame);
    grid->setObjectName(QStringLiteral("DataGrid1"));
    grid->setAccessibleName(salesFrame->title());
    salesLayout->addWidget(grid);
    outer->addWidget(salesFrame, 1);

    auto* navigation = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        command2 << fb::button(window, QStringLiteral("Command2_%1").arg(i), QLatin1String(kNavigation[i]));
        command2.last()->setMaximumWidth(40);
        command2.last()->setAccessibleName(QLatin1String(kNavigationNames[i]));
        navigation->addWidget(command2.last());
        if (i == 1) {
            txtPosition = fb::inputBox(window, QStringLiteral("txtPosition"));
            txtPosition->setAlignment(Qt::AlignCenter);
            txtPosition->setAccessibleName(QStringLiteral("Record"));  // "3 of 12"
            txtPosition->setMaximumWidth(110);
            navigation->addWidget(txtPosition);
        }
    }
    navigation->addStretch();
    outer->addLayout(navigation);

    auto* actions = new QHBoxLayout;
    for (int i = 0; i < int(std::size(kActions)); ++i) {
        command1 << fb::button(window, QStringLiteral("Command1_%1").arg(i), QLatin1String(kActions[i].caption));
        command1.last()->setToolTip(QLatin1String(kActions[i].toolTip));
        actions->addWidget(command1.last());
    }
    outer->addLayout(actions);
}

QList<QWidget*> SalesDataForm::editColoured() const {
    return {txtItemID, txtItem, txtUnitCost, comboTimeUnit, txtLeadTime, txtHoldingCost, txtShortageCost};
}

}  // namespace tervalo::warehouse
