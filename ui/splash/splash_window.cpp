#include "ui/splash/splash_window.h"

#include "ui/common/platform_hooks.h"
#include "ui/common/web_address.h"
#include "ui/splash/splash_form.h"

#include <QTimer>

namespace quillmere {

frmSplash::frmSplash(PlatformHooks& hooks) : hooks_(hooks) {}

frmSplash::~frmSplash() { delete form_.data(); }

QDialog* frmSplash::Form() const { return form_.data(); }

void frmSplash::Show() {
    if (!form_) Build(nullptr);
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void frmSplash::ShowModal(QWidget* owner) {
    SplashForm& form = Build(owner);
    hooks_.runModal(form);
    // Whatever closed it, the window on screen is gone once the display ends.
    CloseForm();
}

void frmSplash::SwitchTimerOff() {
    timer1Enabled_ = false;
    if (form_) form_->Timer().stop();
}

SplashForm& frmSplash::Build(QWidget* owner) {
    CloseForm();
    form_ = new SplashForm(*this, owner, timer1Enabled_);
    return *form_;
}

void frmSplash::CloseForm() {
    if (!form_) return;
    SplashForm* form = form_.data();
    form_ = nullptr;
    form->Timer().stop();
    form->close();  // ends a modal display
    form->deleteLater();
}

void frmSplash::HandOver() {
    CloseForm();
    if (handOver_) handOver_();
}

void frmSplash::Timer1_Timer() {
    ++SplashTicks;
    if (SplashTicks == 5) HandOver();
}

void frmSplash::Form_KeyPress(int /*KeyAscii*/) { HandOver(); }

void frmSplash::Frame1_Click() { HandOver(); }

void frmSplash::lblWarning_Click() { OpenWebAddress(form_.data(), QString::fromLatin1(kHomePageAddress), hooks_); }

}  // namespace quillmere
