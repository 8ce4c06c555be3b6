#include "platform_hooks.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

#ifdef QUILLMERE_HAVE_PRINTING
#include "print_schedule.h"
#endif

namespace quillmere {
namespace {

void ShowInformationBox(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void PrintSchedule([[maybe_unused]] QWidget* owner, [[maybe_unused]] const ScheduleGrid& grid) {
#ifdef QUILLMERE_HAVE_PRINTING
    // A failed or cancelled print ends silently: the user simply gets no pages.
    static_cast<void>(PrintScheduleWithDialog(owner, grid));
#endif
}

// Leaving at once, from wherever the request comes (even from inside a
// running calculation): there is nothing to save, and unwinding the windows
// first would only give their handlers a chance to run again.
[[noreturn]] void ExitAtOnce() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace

PlatformHooks DefaultPlatformHooks() {
    PlatformHooks hooks;
    hooks.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    hooks.showInformation = ShowInformationBox;
    hooks.runModal = [](QDialog& dialog) { dialog.exec(); };
    hooks.printSchedule = PrintSchedule;
    hooks.exitProgram = ExitAtOnce;
    return hooks;
}

}  // namespace quillmere
