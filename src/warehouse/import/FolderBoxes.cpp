#include "warehouse/import/FolderBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Notifier.h"

namespace tervalo::warehouse {

namespace {

// A drive without a readable root, as the user is told.
const QString kDeviceUnavailable = QStringLiteral("Device unavailable");

bool isOpenableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

FolderBoxes::FolderBoxes(platform::Notifier& notifier, int index, QWidget* parent)
    : QWidget(parent), m_notifier(notifier) {
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Drive1_%1").arg(index));
    m_drive->setAccessibleName(QStringLiteral("Drive"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (m_drive->findText(volume.rootPath()) < 0) m_drive->addItem(volume.rootPath());

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_dir = new QTreeView(this);
    m_dir->setObjectName(QStringLiteral("Dir1_%1").arg(index));
    m_dir->setAccessibleName(QStringLiteral("Folder"));
    m_dir->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_dir->hideColumn(column);
    m_dir->header()->hide();

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("File1_%1").arg(index));
    m_files->setAccessibleName(QStringLiteral("Files"));

    auto* left = new QVBoxLayout;
    left->addWidget(m_drive);
    left->addWidget(m_dir, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addWidget(m_files, 1);

    const QString current = QDir::currentPath();
    const int drive = m_drive->findText(QStorageInfo(current).rootPath());
    if (drive >= 0) {
        const QSignalBlocker block(m_drive);
        m_drive->setCurrentIndex(drive);
    }
    showFolder(current);

    // The model reads folders in the background: show the current folder once its parents are read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (m_path == loaded || m_path.startsWith(loaded.endsWith('/') ? loaded : loaded + '/')) revealCurrent();
    });
    connect(m_drive, &QComboBox::currentIndexChanged, this, &FolderBoxes::onDriveChanged);
    connect(m_dir->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderBoxes::onDirCurrentChanged);
    connect(m_dir, &QTreeView::clicked, this, &FolderBoxes::onDirClicked);
}

bool FolderBoxes::setPath(const QString& folder) {
    if (!isOpenableFolder(folder)) return false;
    showFolder(folder);
    return true;
}

void FolderBoxes::onDriveChanged(int index) {
    const QString root = m_drive->itemText(index);
    if (!isOpenableFolder(root)) {
        m_notifier.show(this, kDeviceUnavailable, QString(), platform::MsgIcon::None, platform::MsgButtons::Ok);
        return;
    }
    showFolder(root);
}

void FolderBoxes::onDirCurrentChanged() {
    const QString folder = m_model->filePath(m_dir->currentIndex());
    if (folder.isEmpty() || folder == m_path) return;
    m_path = folder;
    listFiles();
}

void FolderBoxes::onDirClicked() { onDirCurrentChanged(); }

void FolderBoxes::showFolder(const QString& folder) {
    m_path = QDir(folder).absolutePath();
    const QString root = QStorageInfo(m_path).rootPath();
    m_model->setRootPath(root);
    m_dir->setRootIndex(m_model->index(root));
    revealCurrent();
    listFiles();
}

void FolderBoxes::revealCurrent() {
    const QModelIndex here = m_model->index(m_path);
    for (QModelIndex parent = here.parent(); parent.isValid(); parent = parent.parent())
        m_dir->expand(parent);
    {
        const QSignalBlocker block(m_dir->selectionModel());
        m_dir->setCurrentIndex(here);
    }
    m_dir->scrollTo(here, QAbstractItemView::PositionAtCenter);
}

void FolderBoxes::listFiles() {
    m_files->clear();
    m_files->addItems(QDir(m_path).entryList(QDir::Files, QDir::Name));
}

}  // namespace tervalo::warehouse
