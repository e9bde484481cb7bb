#include "warehouse/runs/DataConfigDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/RuntimeError.h"
#include "data/ConnectionString.h"
#include "platform/AppSettings.h"
#include "platform/Notifier.h"
#include "widgets/AccessibleNames.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::warehouse {

namespace fb = widgets::FormBuilder;
using platform::MsgIcon;

namespace {

const QColor kFocusColour(0xFF, 0xFF, 0x00);  // yellow
const QColor kPlainColour(0xFF, 0xFF, 0xFF);  // white
const QString kText = QStringLiteral("Text");

// The sample target: table Products of NWRetail.mdb in the program's folder.
const QString kDemoFile = QStringLiteral("NWRetail.mdb");

void setBackground(QWidget* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QString labelText(const QString& column) { return QStringLiteral(" of ") + column; }

const QString kTypeCaption = QStringLiteral("Data Type");

}  // namespace

DataConfigDialog::DataConfigDialog(widgets::AppContext& ctx, jobs::WriteBackTargetHook handOver, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_handOver(std::move(handOver)) {
    setObjectName(widgets::formName(widgets::WindowId::DataConfig));
    setWindowTitle(QStringLiteral("Update Database"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    buildForm();
}

void DataConfigDialog::buildForm() {
    QLabel* intro = fb::label(this, QStringLiteral("Label1"),
                              QStringLiteral("To update database you need to provide a connectionstring for the "
                                             "database and complete the sql below. If you already did, just please "
                                             "press the Continue Button."),
                              true);

    QGroupBox* cnnFrame = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("ConnectionString"));
    m_txtCnnString = new QPlainTextEdit(cnnFrame);
    m_txtCnnString->setObjectName(QStringLiteral("txtCnnString"));
    m_txtCnnString->setTabChangesFocus(true);
    m_txtCnnString->setFixedHeight(m_txtCnnString->fontMetrics().lineSpacing() * 4 + 12);
    m_txtCnnString->setMinimumWidth(520);
    QPushButton* test = fb::button(cnnFrame, QStringLiteral("Command1"), QStringLiteral("&Test Connection"));
    QLabel* hint = fb::label(cnnFrame, QStringLiteral("Label2"),
                             QStringLiteral("A database file: Data Source=FOLDER/FILE.  PostgreSQL: "
                                            "Driver=QPSQL;Host=...;Port=...;Database=...;User=...;Password=..."),
                             true);
    auto* cnnGrid = new QGridLayout(cnnFrame);
    cnnGrid->addWidget(m_txtCnnString, 0, 0);
    cnnGrid->addWidget(test, 0, 1, Qt::AlignTop);
    cnnGrid->addWidget(hint, 1, 0, 1, 2);

    QGroupBox* sqlFrame = fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("SQL"));
    m_txtTable = fb::inputBox(sqlFrame, QStringLiteral("txtTable"));
    m_txtField = fb::inputBox(sqlFrame, QStringLiteral("txtField"));
    m_txtField1 = fb::inputBox(sqlFrame, QStringLiteral("txtField1"));
    m_txtID = fb::inputBox(sqlFrame, QStringLiteral("txtID"));
    QLabel* update = fb::label(sqlFrame, QStringLiteral("Label3"), QStringLiteral("Update"));
    QLabel* set = fb::label(sqlFrame, QStringLiteral("Label4"), QStringLiteral("Set"));
    QLabel* level = fb::label(sqlFrame, QStringLiteral("Label5"), QStringLiteral("=[The estimated level ],"));
    QLabel* units = fb::label(sqlFrame, QStringLiteral("Label6"), QStringLiteral("=[The estimated Units]"));
    QLabel* where = fb::label(sqlFrame, QStringLiteral("Label7"), QStringLiteral("Where"));
    QLabel* itemId = fb::label(sqlFrame, QStringLiteral("Label8"), QStringLiteral("=[The value of ItemID]"));
    auto* statement = new QGridLayout;
    statement->addWidget(update, 0, 0);
    statement->addWidget(m_txtTable, 0, 1);
    statement->addWidget(set, 0, 2);
    statement->addWidget(m_txtField, 1, 1);
    statement->addWidget(level, 1, 2);
    statement->addWidget(m_txtField1, 2, 1);
    statement->addWidget(units, 2, 2);
    statement->addWidget(where, 3, 0);
    statement->addWidget(m_txtID, 3, 1);
    statement->addWidget(itemId, 3, 2);
    // Each box is named as the statement reads around it.
    widgets::AccessibleNames::nameBy(m_txtTable, {update});
    widgets::AccessibleNames::nameBy(m_txtField, {set, level}, QStringLiteral(" "));
    widgets::AccessibleNames::nameBy(m_txtField1, {units});
    widgets::AccessibleNames::nameBy(m_txtID, {where, itemId}, QStringLiteral(" "));
    QLabel* explain = fb::label(sqlFrame, QStringLiteral("Label9"),
                                QStringLiteral("The table is the one in your database that holds the reorder level "
                                               "and the units to order of each item, under whatever column names "
                                               "your database uses. The key column identifies the item: its values "
                                               "are the items' ItemIDs."),
                                true);
    auto* statementColumn = new QVBoxLayout;
    statementColumn->addLayout(statement);
    statementColumn->addWidget(explain);
    statementColumn->addStretch();

    QGroupBox* typeFrame = fb::frame(sqlFrame, QStringLiteral("Frame3"), kTypeCaption);
    auto* typeGrid = new QGridLayout(typeFrame);
    m_lblFieldName = fb::labelArray(typeFrame, QStringLiteral("lblFieldName"), 3, QString());
    for (int i = 0; i < 3; ++i) {
        auto* combo = new QComboBox(typeFrame);
        combo->setObjectName(QStringLiteral("ComboDataType_%1").arg(i));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(8);
        combo->setAccessibleName(kTypeCaption);
        m_comboDataType.append(combo);
        m_lblFieldName[i]->setMinimumWidth(150);
        typeGrid->addWidget(combo, i, 0);
        typeGrid->addWidget(m_lblFieldName[i], i, 1);
    }
    typeGrid->setRowStretch(3, 1);

    auto* sqlRow = new QHBoxLayout(sqlFrame);
    sqlRow->addLayout(statementColumn, 1);
    sqlRow->addWidget(typeFrame);

    QPushButton* next = fb::button(this, QStringLiteral("Command2"), QStringLiteral("&Continue"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(cnnFrame);
    layout->addWidget(sqlFrame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* box :
         {static_cast<QWidget*>(m_txtCnnString), static_cast<QWidget*>(m_txtTable), static_cast<QWidget*>(m_txtField),
          static_cast<QWidget*>(m_txtField1), static_cast<QWidget*>(m_txtID)}) {
        setBackground(box, kPlainColour);
        box->installEventFilter(this);
    }
    connect(test, &QPushButton::clicked, this, &DataConfigDialog::onCommand1Clicked);
    connect(next, &QPushButton::clicked, this, &DataConfigDialog::onCommand2Clicked);
}

void DataConfigDialog::showEvent(QShowEvent* event) {
    if (!m_loaded) {
        formLoad();
        m_loaded = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

void DataConfigDialog::formLoad() {
    m_showMessage = true;
    const platform::AppSettings::UpdateTarget stored = m_ctx.settings.updateTarget();
    const bool demo = widgets::demoDatabaseChecked(m_ctx);

    QString sample;
    try {
        sample = data::ConnectionString::forFile(m_ctx.programDir, kDemoFile);
    } catch (const core::RuntimeError& error) {
        showError(QString::fromStdString(error.description()));
    }
    m_txtCnnString->setPlainText(stored.cnnString.isEmpty() || demo ? sample : stored.cnnString);

    // Each box: its design text, the saved text unless empty, the demo text when the demo is in use.
    const struct {
        QLineEdit* box;
        QString design, saved, demo;
    } boxes[] = {
        {m_txtTable, QStringLiteral("TableName"), stored.table, QStringLiteral("Products")},
        {m_txtField, QStringLiteral("Reorder Level"), stored.reorderLevel, QStringLiteral("ReorderLevel")},
        {m_txtField1, QStringLiteral("UnitsToOrder"), stored.unitsToOrder, QStringLiteral("UnitsOnOrder")},
        {m_txtID, QStringLiteral("ItemID"), stored.itemId, QStringLiteral("ProductID")},
    };
    for (const auto& b : boxes)
        b.box->setText(demo ? b.demo : b.saved.isEmpty() ? b.design : b.saved);

    const QString savedTypes[] = {stored.reorderLevelDataType, stored.unitsToOrderDataType, stored.itemIdDataType};
    for (int i = 0; i < m_comboDataType.size(); ++i) {
        QComboBox* combo = m_comboDataType[i];
        combo->clear();
        combo->addItems({kText, jobs::kNumericType});
        combo->setCurrentText(demo ? jobs::kNumericType : savedTypes[i].isEmpty() ? kText : savedTypes[i]);
    }

    showFieldName(0, m_txtField->text());
    showFieldName(1, m_txtField1->text());
    showFieldName(2, m_txtID->text());
}

bool DataConfigDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        setBackground(static_cast<QWidget*>(watched), kFocusColour);
    } else if (event->type() == QEvent::FocusOut) {
        setBackground(static_cast<QWidget*>(watched), kPlainColour);
        // A named column shows in its type's phrase; an emptied box leaves the phrase as it was.
        const QLineEdit* columns[] = {m_txtField, m_txtField1, m_txtID};
        for (int i = 0; i < 3; ++i)
            if (watched == columns[i] && !columns[i]->text().isEmpty()) showFieldName(i, columns[i]->text());
    }
    return QDialog::eventFilter(watched, event);
}

// The column's type phrase (" of ReorderLevel") also names its type box: "Data Type of ReorderLevel".
void DataConfigDialog::showFieldName(int index, const QString& column) {
    m_lblFieldName[index]->setText(labelText(column));
    m_comboDataType[index]->setAccessibleName(kTypeCaption + m_lblFieldName[index]->text());
}

void DataConfigDialog::onCommand1Clicked() { testConnection(); }

void DataConfigDialog::testConnection() {
    try {
        m_updateCnn.open(m_txtCnnString->toPlainText());
        if (m_updateCnn.state() != 0) {
            if (m_showMessage)
                m_ctx.notifier.show(this, QStringLiteral("Connection successfull!"), QStringLiteral("Connected"),
                                    MsgIcon::Exclamation);
            m_notConnected = false;
        } else {
            m_notConnected = true;
            if (m_showMessage)
                m_ctx.notifier.show(this, QStringLiteral("Connection falied."), QStringLiteral("Not connected"),
                                    MsgIcon::Exclamation);
        }
    } catch (const core::RuntimeError& error) {
        // The last test's outcome stands.
        showError(QString::fromStdString(error.description()));
    }
}

void DataConfigDialog::onCommand2Clicked() {
    m_showMessage = false;
    if (formUnload()) QDialog::accept();
    m_showMessage = true;
}

void DataConfigDialog::reject() {
    if (formUnload()) QDialog::reject();
}

bool DataConfigDialog::formUnload() {
    saveSettings();  // kept even when the window stays open
    testConnection();
    if (m_notConnected) return false;
    if (m_handOver) m_handOver(target());
    m_loaded = false;
    return true;
}

void DataConfigDialog::saveSettings() {
    const jobs::WriteBackTarget t = target();
    try {
        m_ctx.settings.saveUpdateTarget(
            {t.cnnString, t.tableName, t.reorderLevelName, t.orderQtyName, t.idName, t.levelType, t.qtyType, t.idType});
    } catch (const core::RuntimeError& error) {
        showError(QString::fromStdString(error.description()));
    }
}

jobs::WriteBackTarget DataConfigDialog::target() const {
    return {m_txtCnnString->toPlainText(),
            m_txtTable->text(),
            m_txtField->text(),
            m_txtField1->text(),
            m_txtID->text(),
            m_comboDataType[0]->currentText(),
            m_comboDataType[1]->currentText(),
            m_comboDataType[2]->currentText()};
}

void DataConfigDialog::showError(const QString& description) {
    m_ctx.notifier.show(this, description, QStringLiteral("Error Message"), MsgIcon::Exclamation);
}

}  // namespace tervalo::warehouse
