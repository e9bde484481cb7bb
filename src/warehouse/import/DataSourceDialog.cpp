#include "warehouse/import/DataSourceDialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/RuntimeError.h"
#include "import/ImportFileRules.h"
#include "platform/AppSettings.h"
#include "platform/Notifier.h"
#include "warehouse/import/FolderBoxes.h"
#include "warehouse/import/SampleFileViewer.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/WindowId.h"

namespace tervalo::warehouse {

namespace fb = widgets::FormBuilder;

namespace {

constexpr int kFileTabs = 3;
constexpr int kStructureTab = 3;

// The source options in the order the unload looks at them, with their tabs.
constexpr import::ImportKind kSourceKinds[] = {import::ImportKind::Text, import::ImportKind::DBase,
                                               import::ImportKind::Excel, import::ImportKind::Other};

struct FileTabText {
    const char* heading;
    const char* optionName;
    const char* options[3];
    const char* button;
};
const FileTabText kFileTabTexts[kFileTabs] = {
    {"The text files to be imported must meet the following requirements:",
     "optTextFile",
     {"For table Items, the file name starts with ITS, e.g., ITSCarHonda.txt",
      "For table Sales, the file name starts with SM, e.g.,SMCarHonda.txt",
      "For table SalesWeekly, the file name starts with SW, e.g., SWCarHonda.txt"},
     "&See a sample file"},
    {"The DBF files to be imported must meet the following requirements:",
     "OptDBF",
     {"For table Items, the file name starts with ITS.", "For table Sales, the file name starts with SM.",
      "For table SalesWeekly, the file name starts with SW."},
     "&See Table Schem"},
    {"The files to be imported must meet the following requirements:",
     "optExcelFile",
     {"For table Items, the file name starts with ITS, e.g., ITSCarHonda",
      "For table Sales, the file name starts with SM, e.g.,SMCarHonda",
      "For table SalesWeekly, the file name starts with SW, e.g., SWCarHonda"},
     "&See a sample file"},
};

// The weekly rule names SWCarHonda as its example; the weekly sample shipped is
// the Toyota's, which sells by the week.
const char* const kTextSamples[] = {"ITSCarHonda.txt", "SMCarHonda.txt", "SWCarToyota.txt"};
const char* const kExcelSamples[] = {"ITSCarHonda.xcl", "SMCarHonda.xcl", "SWCarToyota.xcl"};
const char* const kStructureTables[] = {"Items", "Sales", "SalesWeekly"};

const QString kStructureText = QStringLiteral(
    "To import data from any other database, the following four tables must be build based on the schema provided "
    "below.  Then use ADO or other method available to load the data into the Access database this program "
    "provides. If you have Access installed, you can open the dBWHouse.mdb this program provides and get data "
    "directly using Access.");

const QStringList kSchemaHeaders = {QStringLiteral("TABLE_NAME"), QStringLiteral("COLUMN_NAME"),
                                    QStringLiteral("ORDINAL_POSITION"), QStringLiteral("DATA_TYPE"),
                                    QStringLiteral("IS_NULLABLE")};

int checkedIndex(const QList<QRadioButton*>& options) {
    for (int i = 0; i < options.size(); ++i)
        if (options[i]->isChecked()) return i;
    return -1;
}

}  // namespace

DataSourceDialog::DataSourceDialog(widgets::AppContext& ctx, ImportHook importHook, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_importHook(std::move(importHook)) {
    setObjectName(widgets::formName(widgets::WindowId::DataSource));
    setWindowTitle(QStringLiteral("Data Source"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    QGroupBox* sources = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("Get data from"));
    auto* sourceRow = new QHBoxLayout(sources);
    QButtonGroup* sourceGroup = nullptr;
    m_sources = fb::optionArray(sources, QStringLiteral("Option1"),
                                {QStringLiteral("Text file"), QStringLiteral("dBase DBF file"),
                                 QStringLiteral("Microsoft Excel"), QStringLiteral("Other databases")},
                                &sourceGroup);
    sourceRow->addStretch();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    const QStringList tabCaptions = {QStringLiteral("Text File"), QStringLiteral("dBase DBF File"),
                                     QStringLiteral("Microsoft Excel"), QStringLiteral("Other Databases")};
    for (int i = 0; i < kFileTabs; ++i)
        m_tabs->addTab(fileTab(i), tabCaptions[i]);
    m_tabs->addTab(structureTab(), tabCaptions[kStructureTab]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sources);
    layout->addWidget(m_tabs, 1);
    resize(760, 560);

    connect(sourceGroup, &QButtonGroup::idClicked, this, &DataSourceDialog::onOption1Clicked);
    connect(m_tabs, &QTabWidget::currentChanged, this, &DataSourceDialog::onSSTab1CurrentChanged);
    load();
}

QWidget* DataSourceDialog::fileTab(int index) {
    const FileTabText& text = kFileTabTexts[index];
    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("SSTab1_%1").arg(index));
    QLabel* heading = fb::label(page, QStringLiteral("Label1_%1").arg(index), QString::fromLatin1(text.heading), true);
    QGroupBox* frame = fb::frame(page, QStringLiteral("Frame2_%1").arg(index), QString());
    m_tableOptions[index] = fb::optionArray(frame, QString::fromLatin1(text.optionName),
                                            {QString::fromLatin1(text.options[0]), QString::fromLatin1(text.options[1]),
                                             QString::fromLatin1(text.options[2])});
    QPushButton* sample =
        fb::button(frame, QStringLiteral("cmdSampleFile_%1").arg(index), QString::fromLatin1(text.button));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(sample);
    static_cast<QVBoxLayout*>(frame->layout())->addLayout(buttonRow);
    connect(sample, &QPushButton::clicked, this, [this, index] { onCmdSampleFileClicked(index); });

    auto* folders = new FolderBoxes(m_ctx.notifier, index, page);
    m_folders.append(folders);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading);
    layout->addWidget(frame);
    layout->addWidget(folders, 1);
    return page;
}

QWidget* DataSourceDialog::structureTab() {
    auto* page = new QWidget(m_tabs);
    page->setObjectName(QStringLiteral("SSTab1_%1").arg(kStructureTab));
    QLabel* text = fb::label(page, QStringLiteral("Label2"), kStructureText, true);
    QGroupBox* tables = fb::frame(page, QStringLiteral("fraTables"), QString());
    QButtonGroup* group = nullptr;
    m_structureOptions =
        fb::optionArray(tables, QStringLiteral("OptTable"),
                        {QStringLiteral("Items"), QStringLiteral("Sales"), QStringLiteral("SalesWeekly")}, &group);
    static_cast<QVBoxLayout*>(tables->layout())->addStretch();
    connect(group, &QButtonGroup::idClicked, this, &DataSourceDialog::onOptTableClicked);

    m_schemaModel = new QStandardItemModel(0, kSchemaHeaders.size(), this);
    m_schemaModel->setHorizontalHeaderLabels(kSchemaHeaders);
    m_grid = new QTableView(page);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Table schema"));
    m_grid->setModel(m_schemaModel);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();

    auto* row = new QHBoxLayout;
    row->addWidget(tables);
    row->addWidget(m_grid, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addLayout(row, 1);
    return page;
}

void DataSourceDialog::createRS(const QList<data::SchemaColumn>& schema) {
    m_schema = schema;
    // A window that opened on the structure view shows the new rows at once.
    const int table = checkedIndex(m_structureOptions);
    if (table >= 0) showStructure(table);
}

QString DataSourceDialog::folderPath(int tab) const {
    return m_folders.value(tab) ? m_folders[tab]->path() : QString();
}

// Form_Load: the saved kind chooses the tab and the source.
void DataSourceDialog::load() {
    const std::optional<import::ImportKind> kind = import::importKindOf(m_ctx.settings.dataSourceType());
    if (!kind) return;
    const int index =
        int(std::find(std::begin(kSourceKinds), std::end(kSourceKinds), *kind) - std::begin(kSourceKinds));
    m_tabs->setCurrentIndex(index);
    m_sources[index]->setChecked(true);
    onOption1Clicked(index);
}

void DataSourceDialog::onOption1Clicked(int index) {
    m_tabs->setCurrentIndex(index);
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabEnabled(i, i == index);
}

void DataSourceDialog::onSSTab1CurrentChanged(int index) {
    if (index == 0) m_tableOptions[0][0]->setChecked(true);
    if (index == kStructureTab) {
        m_structureOptions[0]->setChecked(true);
        showStructure(0);
    }
}

void DataSourceDialog::onCmdSampleFileClicked(int index) {
    const int option = checkedIndex(m_tableOptions[index]);
    switch (index) {
        case 0:
            if (option >= 0) openTextSample(option);
            return;
        case 1:
            m_tabs->setCurrentIndex(kStructureTab);
            if (option >= 0) {
                m_structureOptions[option]->setChecked(true);
                showStructure(option);
            }
            return;
        default:
            if (option < 0) return;
            m_ctx.notifier.show(this,
                                "The sample file is " + QString::fromLatin1(kExcelSamples[option]) + " at " +
                                    QDir::toNativeSeparators(m_ctx.programDir) + ". You can open it using Excel.",
                                QStringLiteral("Excal sample file"), platform::MsgIcon::Exclamation,
                                platform::MsgButtons::Ok);
            return;
    }
}

void DataSourceDialog::openTextSample(int option) {
    const QString name = QString::fromLatin1(kTextSamples[option]);
    QFile file(QDir(m_ctx.programDir).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        m_ctx.notifier.show(this, "Cannot find the " + name + " file.", name, platform::MsgIcon::Exclamation,
                            platform::MsgButtons::Ok);
        return;
    }
    auto* viewer = new SampleFileViewer(name, QString::fromUtf8(file.readAll()), this);
    viewer->show();
}

void DataSourceDialog::onOptTableClicked(int index) { showStructure(index); }

// The schema rows of one table in column order (Filter and Sort of the schema rows).
void DataSourceDialog::showStructure(int table) {
    const QString name = QString::fromLatin1(kStructureTables[table]);
    QList<data::SchemaColumn> rows;
    for (const data::SchemaColumn& c : m_schema)
        if (c.tableName == name) rows.append(c);
    std::stable_sort(rows.begin(), rows.end(), [](const data::SchemaColumn& a, const data::SchemaColumn& b) {
        return a.ordinalPosition < b.ordinalPosition;
    });
    m_schemaModel->removeRows(0, m_schemaModel->rowCount());
    for (const data::SchemaColumn& c : rows) {
        QList<QStandardItem*> cells{new QStandardItem(c.tableName), new QStandardItem(c.columnName),
                                    new QStandardItem(QString::number(c.ordinalPosition)),
                                    new QStandardItem(c.dataType),
                                    new QStandardItem(c.isNullable ? QStringLiteral("True") : QStringLiteral("False"))};
        m_schemaModel->appendRow(cells);
    }
    m_grid->resizeColumnsToContents();
}

void DataSourceDialog::reject() { close(); }

void DataSourceDialog::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        unload();
    }
    event->accept();
}

// Form_Unload: save, read back, ask, import on Yes.
void DataSourceDialog::unload() {
    try {
        saveChoice();
    } catch (const core::RuntimeError& error) {
        m_ctx.notifier.show(this, QString::fromStdString(error.description()), QStringLiteral("Error Message"),
                            platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
    }
    const QString dataType = m_ctx.settings.dataSourceType();
    const QString dataPath = m_ctx.settings.dataSourcePath();
    const platform::MsgResult answer = m_ctx.notifier.ask(
        this, "You are importing data from " + dataType + " in the directory " + dataPath + ". Continue?", QString(),
        platform::MsgIcon::Question, platform::MsgButtons::YesNo, platform::MsgResult::No);
    if (answer == platform::MsgResult::Yes && m_importHook) m_importHook(dataType, dataPath);
}

void DataSourceDialog::saveChoice() {
    const int source = checkedIndex(m_sources);
    if (source < 0) return;
    m_ctx.settings.setDataSourceType(import::dataTypeText(kSourceKinds[source]));
    if (source < kFileTabs) m_ctx.settings.setDataSourcePath(m_folders[source]->path());
}

}  // namespace tervalo::warehouse
