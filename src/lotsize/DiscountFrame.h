#pragma once
// The supplier's-offer frame of the purchasing windows ("Quantity Discount"):
// a rate and a quantity, the button "Should you accept this offer?" and the
// decision box. The checks, the costing and the texts come from
// core::lotsize::DiscountOffer; the frame shows them and writes the offer and
// the decision into the row the window's last calculation saved.
#include <QGroupBox>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/lotsize/DiscountOffer.h"
#include "lotsize/EoqWindowDescription.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::lotsize {

class DiscountFrame : public QGroupBox {
    Q_OBJECT
public:
    // What the window's last calculation leaves for the what-if.
    struct Basis {
        core::lotsize::DiscountOfferInputs inputs;  // all but the rate and the quantity
        QString logId;                              // the row to update; empty: nothing is updated
        std::vector<std::string> inputTexts;        // the boxes the offer reads and the time unit, as they are now
    };
    using BasisSource = std::function<Basis()>;

    DiscountFrame(const DiscountFrameTexts& texts, core::lotsize::EoqModel model, widgets::AppContext& ctx,
                  BasisSource basis, QWidget* parent = nullptr);

    // Empties the rate, the quantity and the decision; the decision box keeps its visibility.
    void clearTexts();
    // Empties the decision only (its calculation no longer stands).
    void clearDecision();
    // A calculation has been shown: offers are priced against the inputs as they read now.
    void calculationShown();
    // The decision as last shown, with its CRLF line breaks.
    QString decision() const { return m_decision; }

    QLineEdit* rateBox() const { return m_rate; }
    QLineEdit* quantityBox() const { return m_quantity; }
    QPushButton* shouldYouButton() const { return m_shouldYou; }

signals:
    // The decision box has been shown (the window may need to grow).
    void decisionShown();

private slots:
    void onCmdShouldYouClicked();

private:
    void evaluate();
    void showDecision(const QString& decision);
    int decisionHeight(const QString& text) const;

    DiscountFrameTexts m_texts;
    core::lotsize::EoqModel m_model;
    widgets::AppContext& m_ctx;
    BasisSource m_basis;
    QLineEdit* m_rate = nullptr;
    QLineEdit* m_quantity = nullptr;
    QPushButton* m_shouldYou = nullptr;
    QPlainTextEdit* m_decisionBox = nullptr;
    QString m_decision;
    std::vector<std::string> m_calculatedTexts;  // the inputTexts of the last calculation
};

}  // namespace tervalo::lotsize
