#include "demand/DemandHistoryWindow.h"

#include <QButtonGroup>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/CheckMessage.h"
#include "core/demand/DemandHistory.h"
#include "demand/DemandGrid.h"
#include "demand/DemandHistoryModel.h"
#include "demand/DemandSteps.h"
#include "platform/FileWriter.h"
#include "platform/Notifier.h"
#include "rtf/Twips.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/FileNameDialogs.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputCheckMessage.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/RegressionAnalysisWindow.h"

namespace tervalo::demand {

namespace fb = widgets::FormBuilder;
namespace cd = core::demand;
using core::CheckMessage;
using core::MessageIcon;

namespace {

const QStringList kUnits{QStringLiteral("Week"), QStringLiteral("Month"), QStringLiteral("Year")};

const CheckMessage kSelectFile{"Please select a file.", "Select a file", MessageIcon::Exclamation};
const CheckMessage kNoDataToSave{"No data to be saved.", "No data to save", MessageIcon::Exclamation};
const CheckMessage kNoData{"Please enter data first!", "No Data", MessageIcon::Exclamation};
const QString kErrorTitle = QStringLiteral("Error Message");

// The sample file of the note, laid out in two columns.
QString sampleFileText() {
    QString rows = QStringLiteral("<tr><td>Week</td><td>Demand</td></tr>");
    for (const auto& [week, demand] : {std::pair{1, 1000}, {2, 240}, {3, 1500}, {4, 2000}, {5, 1698}})
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(week).arg(demand);
    return QStringLiteral(
               "If import data from a file, the data in the file must be in the following format:"
               "<table cellspacing=\"0\" cellpadding=\"1\" style=\"margin-left:16px\">%1</table>")
        .arg(rows);
}

}  // namespace

DemandHistoryWindow::DemandHistoryWindow(widgets::AppContext& ctx, widgets::FileNameDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_dialogs(dialogs) {
    setObjectName(widgets::formName(widgets::WindowId::D1));
    setWindowTitle(QStringLiteral("Analyzing Demand - Get Data"));
    m_model = new DemandHistoryModel(this);
    m_grid = new DemandGrid(m_model, this);
    buildForm();
    resize(rtf::Twips::toPixels(9600), rtf::Twips::toPixels(6600));

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showPosition(); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] { showPosition(); });
    connect(m_model, &QAbstractItemModel::layoutChanged, this, [this] { showPosition(); });
    // After the refused cell's editor has closed.
    connect(
        m_model, &DemandHistoryModel::periodRefused, this, [this] { message(cd::historyFullMessage()); },
        Qt::QueuedConnection);
    connect(m_cmdGetData, &QPushButton::clicked, this, [this] { getData(); });
    connect(m_cmdSave, &QPushButton::clicked, this, [this] { saveData(); });
    connect(m_cmdNextForm, &QPushButton::clicked, this, [this] { next(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { cancel(); });

    m_units.at(0)->setChecked(true);
    onUnitPicked(0);
    m_grid->goTo(0, 0);
}

void DemandHistoryWindow::buildForm() {
    QGroupBox* entry = fb::frame(this, QStringLiteral("Frame1"), QStringLiteral("Enter data or"));
    m_position = fb::label(entry, QStringLiteral("Adodc1"), QString());
    m_position->setFrameShape(QFrame::Panel);
    m_position->setFrameShadow(QFrame::Sunken);
    m_position->setAlignment(Qt::AlignCenter);
    m_cmdGetData = fb::button(entry, QStringLiteral("cmdGetData"), QStringLiteral("&Get Data From File"));
    auto* entryColumn = new QVBoxLayout(entry);
    m_grid->setParent(entry);
    m_grid->setMinimumWidth(rtf::Twips::toPixels(2700));
    entryColumn->addWidget(m_grid, 1);
    entryColumn->addWidget(m_position);
    entryColumn->addWidget(m_cmdGetData);

    QGroupBox* unitFrame = fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("Pick a Time Unit"));
    QButtonGroup* unitGroup = nullptr;
    unitFrame->setLayout(new QHBoxLayout);
    m_units = fb::optionArray(unitFrame, QStringLiteral("Option1"), kUnits, &unitGroup);
    connect(unitGroup, &QButtonGroup::idClicked, this, [this](int index) { onUnitPicked(index); });

    QGroupBox* note = fb::frame(this, QStringLiteral("Frame5"), QStringLiteral("Note:"));
    QLabel* sample = fb::label(note, QStringLiteral("Label2"), sampleFileText(), true);
    sample->setTextFormat(Qt::RichText);
    auto* noteColumn = new QVBoxLayout(note);
    noteColumn->addWidget(fb::label(note, QStringLiteral("Label1"),
                                    QStringLiteral("Data should be in sequence from past to the most recent one."),
                                    true));
    noteColumn->addWidget(sample);
    noteColumn->addWidget(fb::label(note, QStringLiteral("Label3"),
                                    QStringLiteral("At least one space must be used as delimeter."), true));

    QGroupBox* saveFrame = fb::frame(this, QStringLiteral("Frame3"), QStringLiteral("Save data to a file"));
    m_cmdSave = fb::button(saveFrame, QStringLiteral("cmdSave"), QStringLiteral("Save Data"));
    auto* saveRow = new QHBoxLayout(saveFrame);
    saveRow->addWidget(m_cmdSave);
    saveRow->addStretch(1);

    QLabel* nextNote = fb::label(this, QStringLiteral("Label4"),
                                 QStringLiteral("By pressing Next Button, regression analysis will be performed to "
                                                "analyze the data on the left, and a suggestion can be seen on the "
                                                "next page on what inventory models to choose."),
                                 true);
    m_cmdNextForm = fb::button(this, QStringLiteral("cmdNextForm"), QStringLiteral("&Next"));
    m_cmdCancel = fb::button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_cmdNextForm, m_cmdCancel}) {
        b->setMinimumWidth(rtf::Twips::toPixels(1215));
        buttons->addWidget(b);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(unitFrame);
    right->addWidget(note);
    right->addWidget(saveFrame);
    right->addWidget(nextNote);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(entry);
    columns->addLayout(right, 1);
    setTabOrder(m_grid, m_cmdGetData);
}

void DemandHistoryWindow::onUnitPicked(int index) {
    if (index < 0 || index >= kUnits.size()) return;
    m_unit = index;
    m_model->setTimeCaption(kUnits.at(index));
}

void DemandHistoryWindow::showPosition() {
    // "3 of 10" on the third of ten periods; nothing on the new row.
    const int row = m_grid->currentIndex().row();
    const int count = m_model->periodCount();
    m_position->setText(row >= 0 && row < count ? QStringLiteral("%1 of %2").arg(row + 1).arg(count) : QString());
}

void DemandHistoryWindow::message(const CheckMessage& m) { widgets::showFailedCheck(this, m_ctx.notifier, m, nullptr); }

bool DemandHistoryWindow::rowsAreNumbers() {
    const std::optional<cd::BadCell> bad = cd::firstBadCell(m_model->rows());
    if (!bad) return true;
    m_grid->goTo(static_cast<int>(bad->row), bad->column);
    message(cd::dataFormatMessage());
    m_grid->setFocus();
    return false;
}

void DemandHistoryWindow::getData() {
    const QString name = m_dialogs.openFileName(this, QStringLiteral("Select a File to Open"));
    if (name.isEmpty()) return message(kSelectFile);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        m_ctx.notifier.show(this, file.errorString());
        return;
    }
    // Piece by piece: a file too big for the history is read no further than its room.
    cd::DemandHistoryReader reader(m_model->room());
    QByteArray piece(1 << 16, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = file.read(piece.data(), piece.size())) > 0 &&
           reader.read(std::string_view(piece.constData(), std::size_t(got)))) {
    }
    // A failed read keeps the pairs read before it.
    const cd::DemandHistoryRead read = got < 0 ? reader.pairsSoFar() : reader.finish();
    m_model->appendRows(read.rows);
    onUnitPicked(m_unit);
    if (got < 0) {
        m_ctx.notifier.show(this, file.errorString());
    } else if (const std::optional<CheckMessage> stop = cd::readStopMessage(read.stop)) {
        message(*stop);
    }
}

void DemandHistoryWindow::saveData() {
    const QString name = m_dialogs.saveFileName(this, QStringLiteral("Save as "));
    if (name.isEmpty()) return message(kSelectFile);
    // Nothing to write, or a row that would not read back: the file stays as it was.
    if (m_model->periodCount() == 0) return message(kNoDataToSave);
    if (!rowsAreNumbers()) return;
    const std::string text = cd::writeDemandHistory(m_model->rows());
    if (const std::optional<QString> reason = platform::FileWriter::write(name, QByteArray::fromStdString(text))) {
        m_ctx.notifier.show(this, platform::FileWriter::failureMessage(name, *reason), kErrorTitle,
                            platform::MsgIcon::Exclamation);
        return;
    }
    m_grid->goTo(0, 0);
}

void DemandHistoryWindow::next() {
    if (m_model->periodCount() == 0) return message(kNoData);
    if (!rowsAreNumbers()) return;
    widgets::runGuarded(this, m_ctx.notifier, [this] {
        const widgets::WaitCursor hourglass;
        // The periods as numbers: 1 to 12, not 1, 10, 11, 12, 2 ...
        m_model->sortByTime();
        m_grid->goTo(0, 0);
        const widgets::WindowId form = widgets::WindowId::D2;
        auto* regression = m_ctx.registry.instanceAs<widgets::RegressionAnalysisWindow>(form);
        if (!regression) throw std::runtime_error("The regression window is not available.");
        widgets::ShowChildForm(m_ctx.registry.show(form));
        regression->calculate(cd::demandSeries(m_model->rows()));
        regression->plotData();
        widgets::hideChildForm(this);
    });
}

void DemandHistoryWindow::cancel() {
    widgets::runGuarded(this, m_ctx.notifier, [this] { unloadDemandWindows(m_ctx.registry, this); });
}

}  // namespace tervalo::demand
