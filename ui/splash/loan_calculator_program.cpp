#include "loan_calculator_program.h"

#include <utility>

namespace quillmere {

LoanCalculatorProgram::LoanCalculatorProgram(PlatformHooks& hooks, MoneyFormatterFactory money)
    : hooks_(hooks), money_(std::move(money)), splash_(hooks) {
    splash_.SetHandOver([this] { ShowMainWindow(); });
}

void LoanCalculatorProgram::ShowMainWindow() {
    if (!main_) {
        main_ = money_ ? std::make_unique<frmMain>(hooks_, money_()) : std::make_unique<frmMain>(hooks_);
        main_->SetAboutWindow(&splash_);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
}

}  // namespace quillmere
