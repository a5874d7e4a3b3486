#include "files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace platform {

QStringList ordinaryFiles(const QString& folder) {
#ifdef Q_OS_WIN
    constexpr auto filter = QDir::Files;
#else
    constexpr auto filter = QDir::Files | QDir::Hidden;
#endif
    // QDirIterator hands the names over as the system reads the folder; QDir would sort them.
    QStringList names;
    QDirIterator it(folder, filter);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    return names;
}

std::optional<QByteArray> readFile(const QString& path, qint64 limit) {
    // Only an ordinary file: opening a pipe that took a board file's name would wait for ever.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(limit);
}

WriteResult replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a write cut short (a full disk) shows in write()'s count: Qt 6.4's commit() does not
    // see an error in its own final flush and would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const int error = errno;
        QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                         : error != 0                         ? QString::fromLocal8Bit(std::strerror(error))
                                                              : QStringLiteral("short write");
        file.cancelWriting();
        return {false, reason};
    }
    // The old file is replaced only now, by renaming the complete new one over it.
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

RemoveResult removeFile(const QString& path) {
    QFile file(path);
    if (file.remove())
        return {Removal::Removed, {}};
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {Removal::Missing, file.errorString()};
    return {Removal::Failed, file.errorString()};
}

} // namespace platform
