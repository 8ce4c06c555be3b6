// LoanCalculatorProgram: the program's two windows and how they meet.
//
// Start() shows the splash window. Its hand-over shows the main window,
// creating it the first time (which runs its Form_Load), and only brings it
// to the front later. The main window's Help > About shows the same splash
// window object as its About box. Another start of the program for the
// loan file the main window has open brings that window forward.
#pragma once

#include <QString>

#include <memory>

#include "app/file_beacon.h"
#include "ui/main/main_window.h"
#include "ui/splash/splash_window.h"

namespace quillmere {

struct PlatformHooks;

class LoanCalculatorProgram {
public:
    // `hooks` must outlive the program. The main window formats money in the
    // user's locale.
    explicit LoanCalculatorProgram(PlatformHooks& hooks);

    // Shows the splash window; once the main window shows, it opens the loan
    // file `file`, if one is named.
    void Start(const QString& file = {});

    [[nodiscard]] frmSplash& Splash() { return splash_; }
    // Null until the first hand-over.
    [[nodiscard]] frmMain* MainWindow() const { return main_.get(); }

private:
    void ShowMainWindow();

    PlatformHooks& hooks_;
    frmSplash splash_;
    QString file_;                   // to open once the main window shows
    LoanFileBeacon beacon_;          // answers for the loan file open
    std::unique_ptr<frmMain> main_;  // after splash_: goes first, with any About box it owns
};

}  // namespace quillmere
