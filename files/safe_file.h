// Writing a file the user asked for, safely, and telling why it failed.
//
// A file is written beside its path under a temporary name and moved over it
// only once complete (QSaveFile), so a failure leaves whatever stood there
// untouched and no temporary file behind. A failure comes back as a
// sentence for the user, from the error the system gave: "The disk is
// full." for a disk without room, the system's own words otherwise
// ("Permission denied."), never a bare "Unknown error".
//
//   QSaveFile file(path);
//   ... open, write ...
//   if (const QString failure = CommitOrReason(file); !failure.isEmpty()) tell the user
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

class QSaveFile;

namespace quillmere {

// Writes `bytes` to `path` safely. The reason for a failure, or an empty text.
[[nodiscard]] QString SaveFileSafely(const QString& path, const QByteArray& bytes);

// Commits `file`, whose writing may already have failed: the reason it isn't
// saved, or an empty text once it replaced its target.
[[nodiscard]] QString CommitOrReason(QSaveFile& file);

// Why `file` couldn't be opened for writing, as a sentence ("Permission denied.").
[[nodiscard]] QString OpenFailureReason(const QFileDevice& file);

// Why writing to `file` failed, as a sentence ("The disk is full.").
[[nodiscard]] QString WriteFailureReason(const QFileDevice& file);

// The sentence for a temporary folder without room: "No space left in the
// temporary folder /tmp."
[[nodiscard]] QString TemporaryFolderFullReason(const QString& folder);

}  // namespace quillmere
