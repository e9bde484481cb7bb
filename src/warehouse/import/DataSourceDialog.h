#pragma once
// frmDataSource, "Data Source": where the user prepares an import into the
// warehouse. The source options (Option1: text, dBase, Excel, other
// databases) each own one tab of SSTab1, and choosing one leaves only its tab
// usable. The three file tabs show the naming rules, a sample button and the
// drive, folder and file boxes; the fourth shows the columns of Items, Sales
// or SalesWeekly from the schema rows handed over by createRS.
//
// There is no OK button: closing the window saves the choice ("DataSource"/
// "DataType" and "DataPath"), reads both back, asks whether to import, and on
// Yes calls the import hook with the two values. The window always closes.
#include <QDialog>
#include <QList>
#include <QPointer>
#include <functional>

#include "data/SchemaRepository.h"

class QLabel;
class QRadioButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::warehouse {

class FolderBoxes;

class DataSourceDialog : public QDialog {
    Q_OBJECT
public:
    // Runs the import of (DataType, DataPath); the item card gives its own,
    // which also shows the log and refreshes the card.
    using ImportHook = std::function<void(const QString& dataType, const QString& dataPath)>;

    DataSourceDialog(widgets::AppContext& ctx, ImportHook importHook, QWidget* parent = nullptr);

    void setImportHook(ImportHook importHook) { m_importHook = std::move(importHook); }
    // CreateRS: the schema rows (every column of the database) the structure view filters.
    void createRS(const QList<data::SchemaColumn>& schema);

    // The path of file tab i's folder box.
    QString folderPath(int tab) const;

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    // Esc closes the window as its close box does.
    void reject() override;

private slots:
    void onOption1Clicked(int index);
    void onSSTab1CurrentChanged(int index);
    void onCmdSampleFileClicked(int index);
    void onOptTableClicked(int index);

private:
    QWidget* fileTab(int index);
    QWidget* structureTab();
    void load();
    void unload();
    void saveChoice();
    void showStructure(int table);
    void openTextSample(int option);

    widgets::AppContext& m_ctx;
    ImportHook m_importHook;
    QList<QRadioButton*> m_sources;           // Option1(0..3)
    QList<QRadioButton*> m_tableOptions[3];   // optTextFile, OptDBF, optExcelFile
    QList<QRadioButton*> m_structureOptions;  // OptTable
    QList<FolderBoxes*> m_folders;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_schemaModel = nullptr;
    QList<data::SchemaColumn> m_schema;
    bool m_unloaded = false;
};

}  // namespace tervalo::warehouse
