// The program's command line, read as desktop programs read theirs:
//
//   quillmere-loan-calculator [--help] [--version] [FILE.qloan]
//
// --help and --version print and end the program; an option it doesn't know
// is said on stderr and ends it with status 2 (as a usage error is). Qt's own
// options (-platform xcb, -style fusion, -reverse, ...) are left to Qt. At
// most one file is opened; "--" ends the options, so a file may start with
// "-". Read before any window is made, so --help works without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace quillmere {

struct CommandLine {
    enum class Action { Run, Print, Fail };
    Action action = Action::Run;
    QString file;    // Run: the loan file to open, if any
    QString output;  // Print: for stdout; Fail: for stderr
    static constexpr int kUsageError = 2;
};

// `arguments` as main() gets them, the program's name first.
[[nodiscard]] CommandLine ReadCommandLine(const QStringList& arguments, const QString& version);

}  // namespace quillmere
