// Saving onto a disk that fills up half-way, for the tests of every writer
// that must leave an earlier file alone. A file size limit does to a writer
// what a full disk does; a write past it fails instead of ending the process.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace quillmere {

// The whole of the file at `path`, or nothing where it can't be read.
inline QByteArray FileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `text` to `path`: the file an earlier save left there.
inline bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Runs `write` with every file limited to `bytes`; false where the limit
// can't be set or lifted again.
inline bool WithFileSizeLimit(rlim_t bytes, const std::function<void()>& write) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    const rlimit saved = limit;
    limit.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    write();
    return setrlimit(RLIMIT_FSIZE, &saved) == 0;
}

}  // namespace quillmere
