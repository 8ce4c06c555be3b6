// The Quillmere Loan Calculator: shows the splash window, which hands over
// to the main window, and opens the loan file named on the command line
// (see command_line.h); Qt takes its platform options (-platform, -display,
// ...) from it as usual.
#include <QApplication>

#include <cstdio>

#include "app/accessibility.h"
#include "app/command_line.h"
#include "app/default_platform_hooks.h"
#include "app/file_beacon.h"
#include "app/loan_calculator_program.h"
#include "app/translations.h"
#include "ui/common/window_look.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Before any window: --help and --version need no display.
    const quillmere::CommandLine line = quillmere::ReadCommandLine(arguments, QStringLiteral(QUILLMERE_VERSION));
    if (line.action != quillmere::CommandLine::Action::Run) {
        // Told in the user's language, by a program without windows.
        QCoreApplication words(argc, argv);
        quillmere::InstallTranslations(words);
        const quillmere::CommandLine told = quillmere::ReadCommandLine(arguments, QStringLiteral(QUILLMERE_VERSION));
        const bool failed = told.action == quillmere::CommandLine::Action::Fail;
        std::fputs(told.output.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? quillmere::CommandLine::kUsageError : 0;
    }
    // X11 where there is a display (XWayland included): the program's frameless
    // banner and its centred windows need a window manager that lets a program
    // place its windows, which native Wayland doesn't. Native Wayland remains
    // the fallback, and the user's own choice always wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    quillmere::InstallTranslations(app);
    // The file open in a running program already: that window comes forward.
    if (!line.file.isEmpty() && quillmere::LoanFileBeacon::HandOver(line.file)) return 0;
    QApplication::setApplicationName(QStringLiteral("Quillmere Loan Calculator"));
    QApplication::setWindowIcon(quillmere::ProgramIcon());
    // Lets the desktop match our windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLMERE_APP_ID));
    quillmere::RegisterFontSubstitutions();
    quillmere::InstallAccessibility();

    quillmere::PlatformHooks hooks = quillmere::DefaultPlatformHooks();
    // Destroyed before the application, with every window and timer it made.
    quillmere::LoanCalculatorProgram program(hooks);
    program.Start(line.file);
    return QApplication::exec();
}
