#pragma once
// The drive, folder and file boxes of one file tab of the data source dialog
// (Drive1(i), Dir1(i), File1(i)): the drive box lists the mounted volumes, the
// folder box the folders of the chosen volume as a tree, and the file box
// every file of the chosen folder. They start on the process's current
// folder. A drive whose folder cannot be opened shows the error's description
// (OK button, the program's title); the folder box then keeps its folder and
// the drive box the new drive.
#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::warehouse {

class FolderBoxes : public QWidget {
    Q_OBJECT
public:
    FolderBoxes(platform::Notifier& notifier, int index, QWidget* parent = nullptr);

    // The folder box's path (Dir1(i).Path).
    QString path() const { return m_path; }
    // Moves the folder box to `folder` (the file box follows); false when it is no folder.
    bool setPath(const QString& folder);

private slots:
    void onDriveChanged(int index);
    void onDirCurrentChanged();
    void onDirClicked();

private:
    void showFolder(const QString& folder);
    // Selects and scrolls to the folder box's path without a change of path.
    void revealCurrent();
    void listFiles();

    platform::Notifier& m_notifier;
    QComboBox* m_drive = nullptr;
    QTreeView* m_dir = nullptr;
    QListWidget* m_files = nullptr;
    QFileSystemModel* m_model = nullptr;
    QString m_path;
};

}  // namespace tervalo::warehouse
