#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// One file kept up to date by a thread of its own, so that the event loop never waits for the disk: a
// replacement is handed over in microseconds and written (atomically, flushed to the disk, as
// replaceFile writes) while play goes on. Only the newest content matters: one handed over while an
// earlier one waits replaces it. Whatever was handed over is written before the object goes, also when
// the program ends.
namespace platform {

class BackgroundFile {
public:
    BackgroundFile();
    ~BackgroundFile();
    BackgroundFile(const BackgroundFile&) = delete;
    BackgroundFile& operator=(const BackgroundFile&) = delete;

    // Replaces the file at path with the bytes, later. When that fails and removeIfFailed is set, the
    // earlier file is removed instead of left standing.
    void replace(const QString& path, const QByteArray& bytes, bool removeIfFailed);
    // Waits until everything handed over is written; why the last write failed, "" when it did not.
    QString waitUntilWritten();
    // Why the last write that ended failed, "" when it did not; does not wait.
    QString lastFailure();

private:
    struct Job {
        QString path;
        QByteArray bytes;
        bool removeIfFailed = false;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> next_;
    bool busy_ = false;
    bool stopping_ = false;
    QString failure_;
    std::thread thread_; // last: started once everything above exists
};

} // namespace platform
