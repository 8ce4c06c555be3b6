// A file's whole contents, read and written in one call, for the tests of
// every writer.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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

}  // namespace quillmere
