#pragma once
// The model wizard's four steps loaded from the program's catalogue over a
// fresh WindowTestContext, step 4 handing over to a recorder of the model
// windows' run methods unless the real windows are asked for; an interview as
// the user gives it, and what a step's control shows.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/WindowCatalog.h"
#include "core/RuntimeError.h"
#include "demand/ModelHandOver.h"
#include "demand/WizardCostsWindow.h"
#include "support/WindowTestContext.h"
#include "widgets/ChildForms.h"

namespace tervalo::test {

inline const QStringList kSteps{"frmWizard", "frmW1", "frmW2", "frmW3"};
inline const QStringList kCosts{"txtOrderingCost=100", "txtItemCost=5.", "txtHoldingCost=2", "txtShortageCost=7"};

// An interview as the user gives it.
struct Answers {
    QString name = "Widget";
    bool purchasing = true;
    bool singlePeriod = false;
    int model = 1;       // OptionDest: 0 certain, 1 uniform, 2 normal
    QStringList demand;  // step 3, "box=text"
    int unit = 1;        // OptionTime: 0 week, 1 month, 2 year
    QStringList costs = kCosts;
};

// The model windows' run methods, recorded as {method, arguments...}.
class RecordingHandOver : public demand::ModelHandOver {
public:
    RecordingHandOver(QList<QStringList>& calls, const QString& fault) : m_calls(calls), m_fault(fault) {}
    void runPurchaseSa(const widgets::PurchaseSaTexts& t) override {
        record({"runPurchaseSa", t.itemName, t.demand, t.price, t.holdingCost, t.orderCost, t.shortageCost,
                t.timeUnit.value_or("(none)")});
    }
    void runManufSa(const widgets::ManufSaTexts& t) override {
        record({"runManufSa", t.itemName, t.demand, t.unitCost, t.holdingCost, t.setupCost, t.manufRate, t.shortageCost,
                t.timeUnit});
    }
    void runSingleP_unif(const jobs::SinglePeriodUniformTexts& t) override {
        record({"runSingleP_unif", t.lowerD, t.upperD, t.itemName, t.itemCost, t.holdingCost, t.shortageCost});
    }
    void runSingleP_Norm(const jobs::SinglePeriodNormalTexts& t) override {
        record({"runSingleP_Norm", t.meanD, t.varianceD, t.itemName, t.itemCost, t.holdingCost, t.shortageCost});
    }
    void runSS_unif(const jobs::SsUniformTexts& t) override {
        record(
            {"runSS_unif", t.lowerD, t.upperD, t.itemName, t.orderingCost, t.itemCost, t.holdingCost, t.shortageCost});
    }

private:
    void record(const QStringList& call) {
        m_calls << call;
        if (!m_fault.isEmpty()) throw core::RuntimeError(core::ErrorCode::Other, m_fault.toStdString());
    }
    QList<QStringList>& m_calls;
    QString m_fault;
};

// What a control shows: its text, "[x]" when selected, "(off)" when disabled.
inline QString describe(QWidget* step, const QString& control) {
    if (control.isEmpty()) return step->windowTitle();
    if (control.startsWith("SSTab1:")) {
        auto* tabs = step->findChild<QTabWidget*>("SSTab1");
        const int i = control.mid(7).toInt();
        return tabs->tabText(i) + (tabs->isTabEnabled(i) ? "" : " (off)");
    }
    QWidget* w = step->findChild<QWidget*>(control);
    if (!w) return "(missing)";
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text() + (b->isChecked() ? " [x]" : "");
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
    return text + (w->isEnabled() ? "" : " (off)");
}

class WizardFixture {
protected:
    std::unique_ptr<WindowTestContext> m_t;
    QList<QStringList> m_calls;

    // The program's catalogue; step 4 hands over to a recorder unless `real`.
    void load(bool real = false, const QString& fault = QString()) {
        m_t = std::make_unique<WindowTestContext>();
        app::registerWindows(m_t->ctx, m_t->reportOutput);
        if (!real)
            m_t->registry.registerWindow(widgets::WindowId::W3, [this, fault] {
                return new demand::WizardCostsWindow(m_t->ctx, std::make_unique<RecordingHandOver>(m_calls, fault));
            });
    }
    QWidget* step(const QString& form) const { return m_t->registry.existing(test::windowId(form)); }
    QLineEdit* box(const QString& form, const QString& name) const { return step(form)->findChild<QLineEdit*>(name); }
    void check(const QString& form, const QString& option) const {
        step(form)->findChild<QAbstractButton*>(option)->setChecked(true);
    }
    void click(const QString& form, const QString& button) const {
        step(form)->findChild<QAbstractButton*>(button)->click();
    }
    void type(const QString& form, const QStringList& entries) const {
        for (const QString& entry : entries)
            box(form, entry.section('=', 0, 0))->setText(entry.section('=', 1));
    }
    // Opens step 1 as the main window does.
    void open() const { widgets::ShowChildForm(m_t->registry.openFresh(widgets::WindowId::Wizard)); }
    // Goes through steps 1 to 3 and types the costs on step 4.
    void interview(const Answers& a) const {
        open();
        type("frmWizard", {"txtItemName=" + a.name});
        check("frmWizard", a.purchasing ? "OptionPurchasing_0" : "OptionPurchasing_1");
        click("frmWizard", "cmdNext");
        check("frmW1", QString("OptionDest_%1").arg(a.model));
        check("frmW1", a.singlePeriod ? "OptionDType_0" : "OptionDType_1");
        click("frmW1", "cmdNext");
        check("frmW2", QString("OptionTime_%1").arg(a.unit));
        type("frmW2", a.demand);
        click("frmW2", "cmdNext");
        type("frmW3", a.costs);
    }
    QStringList openSteps() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList open;
        for (const QString& form : kSteps)
            if (step(form)) open << form + (step(form)->isVisible() ? "" : " hidden");
        return open;
    }
    QString lastMessage() const {
        if (m_t->notifier.messages.isEmpty()) return QString();
        return m_t->notifier.last().text + " | " + m_t->notifier.last().title;
    }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    // Shows a step's window active, so that the focus can be looked at.
    void activate(const QString& form) const {
        step(form)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(step(form)));
    }
};

}  // namespace tervalo::test

Q_DECLARE_METATYPE(tervalo::test::Answers)
