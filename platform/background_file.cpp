#include "background_file.h"

#include "files.h"

namespace platform {

BackgroundFile::BackgroundFile() : thread_([this] { run(); }) {}

BackgroundFile::~BackgroundFile() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundFile::replace(const QString& path, const QByteArray& bytes, bool removeIfFailed) {
    {
        const std::lock_guard lock(mutex_);
        next_ = Job{path, bytes, removeIfFailed};
    }
    changed_.notify_all();
}

QString BackgroundFile::waitUntilWritten() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !next_ && !busy_; });
    return failure_;
}

QString BackgroundFile::lastFailure() {
    const std::lock_guard lock(mutex_);
    return failure_;
}

void BackgroundFile::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return next_ || stopping_; });
        if (!next_)
            return;
        const Job job = std::move(*next_);
        next_.reset();
        busy_ = true;
        lock.unlock();
        const WriteResult written = replaceFile(job.path, job.bytes);
        if (!written.ok && job.removeIfFailed)
            removeFile(job.path);
        lock.lock();
        busy_ = false;
        failure_ = written.ok ? QString() : written.reason.isEmpty() ? QStringLiteral("?") : written.reason;
        changed_.notify_all();
    }
}

} // namespace platform
