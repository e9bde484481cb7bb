// The shared form builders: control names, buddies, result boxes outside the
// tab chain, Enter on buttons, and exclusive option arrays.
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "support/QtTestMain.h"
#include "widgets/FormBuilder.h"

namespace fb = tervalo::widgets::FormBuilder;

class FormBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void rowMakesTheCaptionTheBoxsBuddy() {
        QWidget form;
        auto* grid = new QGridLayout(&form);
        QLineEdit* box = fb::inputBox(&form, "txtDemand");
        QLabel* unit = fb::label(&form, "lblUnit", "units/Week");
        QLabel* caption = fb::addRow(grid, 2, fb::label(&form, "Label3", "Demand:"), box, unit);
        QCOMPARE(caption->buddy(), box);
        QCOMPARE(form.findChild<QLineEdit*>("txtDemand"), box);
        QCOMPARE(grid->itemAtPosition(2, 0)->widget(), caption);
        QCOMPARE(grid->itemAtPosition(2, 1)->widget(), box);
        QCOMPARE(grid->itemAtPosition(2, 2)->widget(), unit);
        QVERIFY(!box->isReadOnly());
    }

    void resultBoxIsReadOnlyAndOutOfTheTabChain() {
        QWidget form;
        QLineEdit* box = fb::resultBox(&form, "txtOrderQuantity");
        QCOMPARE(box->objectName(), QString("txtOrderQuantity"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->focusPolicy(), Qt::NoFocus);
    }

    void buttonAndFrameCarryNameAndCaption() {
        QWidget form;
        QPushButton* button = fb::button(&form, "cmdCalculate", "C&alculate");
        QVERIFY(button->autoDefault());
        QCOMPARE(button->text(), QString("C&alculate"));
        QGroupBox* frame = fb::frame(&form, "Frame4", "Item and costs");
        QCOMPARE(frame->title(), QString("Item and costs"));
        QCOMPARE(frame->objectName(), QString("Frame4"));
        QVERIFY(fb::label(&form, "Label1", "long", true)->wordWrap());
        QVERIFY(!fb::label(&form, "Label2", "short")->wordWrap());
    }

    void optionArrayIsNamedAndExclusive() {
        QWidget form;
        QGroupBox* frame = fb::frame(&form, "Frame3", "Time unit");
        QButtonGroup* group = nullptr;
        const auto options = fb::optionArray(frame, "optTime", {"Year", "Month", "Week"}, &group);
        QCOMPARE(options.size(), 3);
        QCOMPARE(options.at(2)->objectName(), QString("optTime_2"));
        QCOMPARE(options.at(2)->text(), QString("Week"));
        QVERIFY(group && group->exclusive());
        QCOMPARE(group->id(options.at(1)), 1);
        options.at(0)->setChecked(true);
        options.at(2)->setChecked(true);
        QVERIFY(!options.at(0)->isChecked());
        QCOMPARE(frame->layout()->count(), 3);
    }

    void labelArrayNamesEachElement() {
        QWidget form;
        const auto labels = fb::labelArray(&form, "lblTimePeriod", 3, "Week");
        QCOMPARE(labels.size(), 3);
        QCOMPARE(labels.at(0)->objectName(), QString("lblTimePeriod_0"));
        QCOMPARE(labels.at(2)->objectName(), QString("lblTimePeriod_2"));
        QCOMPARE(labels.at(1)->text(), QString("Week"));
    }
};

TERVALO_QTEST_MAIN(FormBuilderTest)
#include "FormBuilderTest.moc"
