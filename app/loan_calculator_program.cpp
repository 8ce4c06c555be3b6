#include "app/loan_calculator_program.h"

namespace quillmere {

LoanCalculatorProgram::LoanCalculatorProgram(PlatformHooks& hooks) : hooks_(hooks), splash_(hooks) {
    splash_.SetHandOver([this] { ShowMainWindow(); });
}

void LoanCalculatorProgram::ShowMainWindow() {
    if (!main_) {
        main_ = std::make_unique<frmMain>(hooks_);
        main_->SetAboutWindow(&splash_);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
}

}  // namespace quillmere
