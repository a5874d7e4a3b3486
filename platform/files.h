#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The file operations of the board files: listing a folder, reading, replacing and deleting a file.
namespace platform {

// The ordinary files of a folder, one name each, in the order the file system lists them (never sorted):
// no folders, devices, pipes or sockets. Windows hides files with an attribute, and those are left out
// there; a leading dot on Linux is a naming habit, not an attribute, so ".scr" (the board with the empty
// name) is listed. A folder that can't be listed gives no names.
QStringList ordinaryFiles(const QString& folder);

// The bytes of an ordinary file, at most `limit` of them; nothing when it can't be opened (missing, a
// folder, a pipe that would never end).
std::optional<QByteArray> readFile(const QString& path, qint64 limit);

// Creates or replaces a file with the bytes in one piece. The bytes go to a temporary file beside it that
// is renamed over the old one only once everything is written, so a write that fails (a folder that
// can't be written, a full disk, a name the file system refuses) leaves the earlier file as it was.
struct WriteResult {
    bool ok = false;
    QString reason; // the system's reason when it failed
};
WriteResult replaceFile(const QString& path, const QByteArray& bytes);

enum class Removal { Removed, Missing, Failed };
struct RemoveResult {
    Removal outcome = Removal::Failed;
    QString reason;
};
RemoveResult removeFile(const QString& path);

} // namespace platform
