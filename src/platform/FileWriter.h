#pragma once
// Every file the program writes goes through here. The bytes go to a temporary
// file beside the target (QSaveFile), which replaces the target only once all
// of them are on the disk, so a write that fails (a full disk, no permission)
// leaves the old file as it was. A device or a pipe named as the target is
// written as it stands: there is no file there to keep, and a rename would
// replace the device itself. So is a file the user may write in a folder the
// user may not (no temporary file can be made there); its old bytes are put
// back when the write fails. A failure is said in the user's words.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace tervalo::platform {

class FileWriter {
public:
    // Makes `data` the whole of `path`. Nothing when it was written, else why
    // not ("the disk is full").
    static std::optional<QString> write(const QString& path, const QByteArray& data);
    // The same for data too large to hold at once: `nextPiece` gives it a
    // piece at a time, and an empty piece after the last.
    static std::optional<QString> write(const QString& path, const std::function<QByteArray()>& nextPiece);
    // "The file /home/ann/letter.rtf could not be saved: the disk is full."
    static QString failureMessage(const QString& path, const QString& reason);
    // A system error number in the user's words.
    static QString reason(int errorNumber);
};

}  // namespace tervalo::platform
