// The Quillmere Loan Calculator: shows the splash window, which hands over
// to the main window. The program reads no command line of its own; Qt takes
// its platform options (-platform, -display, ...) from it as usual.
#include "loan_calculator_program.h"
#include "platform_hooks.h"
#include "window_look.h"

#include <QApplication>
#include <QFont>

namespace {

// The windows keep the font families they were designed with; a Debian
// desktop has none of them, so each gets its nearest stand-in.
void RegisterFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // Fixed pitch: the printed schedule's columns line up by character.
    QFont::insertSubstitution(QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere Loan Calculator"));
    QApplication::setWindowIcon(quillmere::ProgramIcon());
    // Lets the desktop match our windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLMERE_APP_ID));
    RegisterFontSubstitutions();

    quillmere::PlatformHooks hooks = quillmere::DefaultPlatformHooks();
    quillmere::LoanCalculatorProgram program(hooks);
    program.Start();
    return QApplication::exec();
}
