// PlatformHooks: the program's few ways out of its own windows.
//
// Opening a web address, a modal information or warning box, running a window modally,
// printing the schedule and ending the program are each one replaceable
// function. The program uses DefaultPlatformHooks() (app/); tests put
// recorders in their place, so no test blocks on a modal loop, opens a
// browser or a print dialog, or ends the test process.
//
// The windows hold a reference to one PlatformHooks object, which must
// outlive them; a change to it takes effect at the next call.
#pragma once

#include <functional>

class QDialog;
class QString;
class QUrl;
class QWidget;

namespace quillmere {

class ScheduleGrid;

struct PlatformHooks {
    // Asks the desktop to open `url` with the user's default handler. False
    // means no application can open it (there is no default browser).
    std::function<bool(const QUrl& url)> openUrl;

    // A modal box over `owner` with `text`, `title`, the information icon and
    // one OK button; returns once it is closed.
    std::function<void(QWidget* owner, const QString& text, const QString& title)> showInformation;

    // The same box with the warning icon: something the user asked for failed.
    std::function<void(QWidget* owner, const QString& text, const QString& title)> showWarning;

    // A modal question over `owner` with `text`, `title` and the buttons Yes
    // and No (the default); true for Yes.
    std::function<bool(QWidget* owner, const QString& text, const QString& title)> askYesNo;

    // Shows `dialog` modally and returns once it has closed.
    std::function<void(QDialog& dialog)> runModal;

    // The print command: the print dialog over `owner`, then the report of
    // `grid`. Ends silently on a cancel; a failure is told in a warning box.
    std::function<void(QWidget* owner, const ScheduleGrid& grid)> printSchedule;

    // The print preview of the same report, modal over `owner`; its print
    // button prints what it shows.
    std::function<void(QWidget* owner, const ScheduleGrid& grid)> previewSchedule;

    // The file dialog asking where to save: `title`, the `suggested` path, the
    // `filters` ("CSV (*.csv)", ";;" between several). `selectedFilter`
    // names the one chosen at first, and then the one the user chose. The
    // path chosen, or an empty one on a cancel.
    std::function<QString(QWidget* owner, const QString& title, const QString& suggested, const QString& filters,
                          QString* selectedFilter)>
        chooseSaveFile;

    // The file dialog asking which file to open: `title`, the `folder` it
    // starts in, the `filters`. The path chosen, or an empty one on a cancel.
    std::function<QString(QWidget* owner, const QString& title, const QString& folder, const QString& filters)>
        chooseOpenFile;
    // A modal question over `owner` about unsaved changes, with the buttons
    // Save, Discard and Cancel (the default).
    enum class SaveChoice { Save, Discard, Cancel };
    std::function<SaveChoice(QWidget* owner, const QString& text, const QString& title)> askSaveChanges;
    // Ends the whole program at once for the user: every window disappears,
    // no further handler runs, nothing is saved. Returns to its caller, which
    // is to unwind at once; the program then leaves through its event loop.
    std::function<void()> exitProgram;
};

}  // namespace quillmere
