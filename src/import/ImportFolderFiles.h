#pragma once
// The folder side of an import: the names of the files it takes (the kind's
// extension test and a table prefix, in name order) and each file's records.
// An import may meet many thousands of small files, so the folder is listed
// and read with plain system calls, a file is named relative to the open
// folder, and the files are read side by side (readInOrder): no file
// depends on another.
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "import/ImportFileRules.h"
#include "import/ImportRecord.h"
#include "import/XlsRecordReader.h"

namespace tervalo::import {

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
    // The table of each name, in the same order.
    const std::vector<ImportTable>& tables() const { return m_tables; }
    // The records of one listed file; safe to call from several threads.
    ReadResult read(const QString& name) const;

private:
    ImportKind m_kind = ImportKind::Text;
    XlsReaderProcess m_xlsReader;
    int m_dirFd = -1;
    QStringList m_names;
    std::vector<ImportTable> m_tables;
    QSet<QString> m_notListedAsFiles;  // names whose entry is no plain regular file
};

// Runs read(0) ... read(count - 1) on other threads, spread over the
// machine's cores and taken up in that order, consume(i) on this thread in
// order, each as soon as read(i) has returned, and release(i) once consume(i)
// has, on a reading thread while one is left: what a thread allocated is
// given back fastest by the same kind of thread, not by one that competes
// with them for the allocator. Returns when all have run. An exception from
// consume stops the reading and is passed on once the readers have stopped;
// release then runs for the files consumed. read and release must not throw:
// on a reading thread an exception would end the program.
void readInOrder(int count, const std::function<void(int)>& read, const std::function<void(int)>& consume,
                 const std::function<void(int)>& release);

}  // namespace tervalo::import
