#include "app/loan_calculator_program.h"

#include <utility>

namespace quillmere {

LoanCalculatorProgram::LoanCalculatorProgram(PlatformHooks& hooks) : hooks_(hooks), splash_(hooks) {
    splash_.SetHandOver([this] { ShowMainWindow(); });
}

void LoanCalculatorProgram::Start(const QString& file) {
    file_ = file;
    splash_.Show();
}

void LoanCalculatorProgram::ShowMainWindow() {
    if (!main_) {
        main_ = std::make_unique<frmMain>(hooks_);
        main_->SetAboutWindow(&splash_);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
    if (!file_.isEmpty()) main_->OpenLoan(std::exchange(file_, QString()));
}

}  // namespace quillmere
