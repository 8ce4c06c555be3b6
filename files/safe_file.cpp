#include "files/safe_file.h"

#include <QDir>
#include <QSaveFile>

namespace quillmere {
namespace {

// Qt's text where it has no error of the system's to tell.
bool SaysNothing(const QString& text) { return text.isEmpty() || text == QLatin1String("Unknown error"); }

// The system's words as a sentence of their own.
QString Sentence(const QString& systemText) {
    QString sentence = systemText.trimmed();
    if (SaysNothing(sentence)) return QStringLiteral("The file could not be written completely.");
    sentence[0] = sentence[0].toUpper();
    if (!sentence.endsWith(QLatin1Char('.'))) sentence += QLatin1Char('.');
    return sentence;
}

constexpr auto kDiskFull = "The disk is full.";

// Qt reports a write that found the disk full (ENOSPC) as a lack of resources.
QString WriteFailureReason(QFileDevice::FileError error, const QString& systemText) {
    return error == QFileDevice::ResourceError ? QString::fromLatin1(kDiskFull) : Sentence(systemText);
}

}  // namespace

QString SaveFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return OpenFailureReason(file);
    // A write the disk takes only in part returns its count without an
    // error; writing on is what brings the system's reason out.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) break;
        written += more;
    }
    if (written != bytes.size()) {
        QString reason = WriteFailureReason(file);
        file.cancelWriting();
        return reason;
    }
    return CommitOrReason(file);
}

// A write into the file's buffer fails as "Unknown error"; the system's
// error comes when the buffer is flushed, at the commit. Either may tell of
// a full disk; otherwise whichever tells more is the one the user hears.
QString CommitOrReason(QSaveFile& file) {
    const QFileDevice::FileError writeError = file.error();
    const QString writeText = file.errorString();
    if (file.commit()) return {};
    if (writeError == QFileDevice::ResourceError || file.error() == QFileDevice::ResourceError) {
        return QString::fromLatin1(kDiskFull);
    }
    const bool commitTells = file.error() != QFileDevice::NoError && !SaysNothing(file.errorString());
    return commitTells ? Sentence(file.errorString()) : WriteFailureReason(writeError, writeText);
}

QString OpenFailureReason(const QFileDevice& file) { return Sentence(file.errorString()); }

QString WriteFailureReason(const QFileDevice& file) { return WriteFailureReason(file.error(), file.errorString()); }

QString TemporaryFolderFullReason(const QString& folder) {
    return QStringLiteral("No space left in the temporary folder %1.").arg(QDir::toNativeSeparators(folder));
}

}  // namespace quillmere
