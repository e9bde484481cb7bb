#pragma once
// The folder side of an import: the names of the files it takes (the kind's
// extension test and a table prefix, in name order) and each file's records.
// An import may meet many thousands of small files, so the folder is listed
// and read with plain system calls, a file is named relative to the open
// folder, and the files are read side by side (readInParallel): no file
// depends on another.
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

#include "warehouse/ImportFileRules.h"
#include "warehouse/ImportRecord.h"
#include "warehouse/XlsRecordReader.h"

namespace tervalo::warehouse {

class ImportFolderFiles {
public:
    ImportFolderFiles() = default;
    ~ImportFolderFiles();
    ImportFolderFiles(const ImportFolderFiles&) = delete;
    ImportFolderFiles& operator=(const ImportFolderFiles&) = delete;

    // Lists the folder; false when it is empty, missing or cannot be listed.
    bool open(const QString& folder, ImportKind kind, const XlsReaderProcess& xlsReader = {});
    // The entries that pass the name tests, sorted by name; folders and
    // links to nothing among them too, so that read() can say why they are
    // not read.
    const QStringList& names() const { return m_names; }
    // The records of one listed file; safe to call from several threads.
    ReadResult read(const QString& name) const;

private:
    ImportKind m_kind = ImportKind::Text;
    XlsReaderProcess m_xlsReader;
    int m_dirFd = -1;
    QStringList m_names;
    QSet<QString> m_notListedAsFiles;  // names whose entry is no plain regular file
};

// Runs work(0) ... work(count - 1), spread over the machine's cores; returns
// when all have run.
void runInParallel(int count, const std::function<void(int)>& work);

}  // namespace tervalo::warehouse
