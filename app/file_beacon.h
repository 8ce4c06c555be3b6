// LoanFileBeacon: one running program a loan file.
//
// A program with a loan file open answers, on a local socket named after
// the file (and the user), for that file. A second start for the same file
// (a double-click in the file manager, the file named in a shell) hands over
// to it and ends: the window that has it open comes forward instead of a
// second window opening the same file.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace quillmere {

class LoanFileBeacon final : public QObject {
    Q_OBJECT

public:
    explicit LoanFileBeacon(QObject* parent = nullptr);

    // Tells the program that has `path` open, if one runs, to come forward:
    // true when one was told.
    [[nodiscard]] static bool HandOver(const QString& path);
    // From now on, answers for `path`; for no file when it is empty.
    void Answer(const QString& path);

signals:
    // Another start asked for the file answered for.
    void Asked();

private:
    QLocalServer* server_ = nullptr;
};

// The socket's name for the loan file at `path`: the same for every way of
// writing the path, different for every user.
[[nodiscard]] QString BeaconName(const QString& path);

}  // namespace quillmere
