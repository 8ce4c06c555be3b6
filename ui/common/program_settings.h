// What the program keeps across runs (QSettings, in the XDG config folder:
// ~/.config/Quillmere/Loan Calculator.conf): the recent loan files, the
// folders last used for loans and for schedules, and where each tool window
// stood. The main window itself starts afresh every time.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

class QWidget;

namespace quillmere {

// The program's settings, read and written at once.
[[nodiscard]] QSettings ProgramSettings();

// The folder last used for `kind` ("loans", "schedules"), or none.
[[nodiscard]] QString LastFolder(const QString& kind);
void RememberFolder(const QString& kind, const QString& folder);

// The loan files opened or saved last, newest first, at most kMostRecent.
class RecentLoans {
public:
    static constexpr int kMostRecent = 10;

    [[nodiscard]] static QStringList List();
    // Puts `path` first, once.
    static void Add(const QString& path);
    static void Remove(const QString& path);
    static void Clear();
};

// A tool window goes back where it stood when it was last closed, where
// that is wholly on one of the screens there are now; and where it stands
// is kept each time it closes. Call once the window has its size.
void KeepWindowPlace(QWidget& window);

}  // namespace quillmere
