#pragma once
// The controls of the item card frmSalesData and their layout: the frame
// "Item Data" with the item's boxes, the frame "Historical Sales Data" with
// the sales grid, the four navigation buttons, the position box and the seven
// action buttons, on a form that scrolls when the card is smaller than it.
// Behaviour lives in SalesDataWindow.
#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tervalo::platform {
class Notifier;
class Clock;
}  // namespace tervalo::platform

namespace tervalo::warehouse {

class SalesGrid;

// The action buttons Command1(0..6), by index.
enum class CardAction { Save = 0, Cancel = 1, Import = 2, Analysis = 3, Delete = 4, Add = 5, Update = 6 };

struct SalesDataForm {
    // Builds the controls into `card`, on its scrolling form.
    SalesDataForm(QWidget* card, platform::Notifier& notifier, platform::Clock& clock);

    // The boxes that take the card's colour: yellow while adding, white otherwise.
    QList<QWidget*> editColoured() const;

    QLineEdit* txtItemID;
    QLineEdit* txtItem;
    QLineEdit* txtUnitCost;
    QComboBox* comboTimeUnit;
    QCheckBox* chkSinglePeriod;
    QLineEdit* txtOrderCost;
    QLineEdit* txtLeadTime;
    QLineEdit* txtHoldingCost;
    QLineEdit* txtShortageCost;
    QLineEdit* txtReOrderPoint;
    QLineEdit* txtOrderQty;
    QPushButton* cmdFind;
    QList<QLabel*> lblTimeUnit;    // (0..2)
    SalesGrid* grid;               // DataGrid1
    QList<QPushButton*> command2;  // |<  <  >  >|
    QLineEdit* txtPosition;
    QList<QPushButton*> command1;  // by CardAction
};

}  // namespace tervalo::warehouse
