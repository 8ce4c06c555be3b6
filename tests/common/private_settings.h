// Each test process keeps the program's settings in a folder of its own,
// made empty at its start: no test sees what another (or the user) left.
#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

namespace quillmere::testing {

inline const QTemporaryDir& PrivateConfigFolder() {
    static const QTemporaryDir folder;
    return folder;
}

// Set before any test reads a setting.
inline const bool kPrivateSettings = qputenv("XDG_CONFIG_HOME", PrivateConfigFolder().path().toUtf8());

}  // namespace quillmere::testing
