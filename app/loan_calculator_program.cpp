#include "app/loan_calculator_program.h"

#include <utility>

namespace quillmere {

LoanCalculatorProgram::LoanCalculatorProgram(PlatformHooks& hooks) : hooks_(hooks), splash_(hooks) {
    splash_.SetHandOver([this] { ShowMainWindow(); });
    QObject::connect(&beacon_, &LoanFileBeacon::Asked, [this] {
        if (main_) {
            if (main_->isMinimized()) main_->showNormal();
            main_->raise();
            main_->activateWindow();
        }
    });
}

void LoanCalculatorProgram::Start(const QString& file) {
    file_ = file;
    splash_.Show();
}

void LoanCalculatorProgram::ShowMainWindow() {
    if (!main_) {
        main_ = std::make_unique<frmMain>(hooks_);
        main_->SetAboutWindow(&splash_);
        QObject::connect(main_.get(), &frmMain::LoanPathChanged, &beacon_, &LoanFileBeacon::Answer);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
    if (!file_.isEmpty()) main_->OpenLoan(std::exchange(file_, QString()));
}

}  // namespace quillmere
