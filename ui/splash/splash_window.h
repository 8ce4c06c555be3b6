// frmSplash: the start-up banner, which doubles as the About box.
//
// The object lives for the whole run and keeps SplashTicks, the count of
// Timer1's ticks over the run. Each display builds the window on screen
// afresh (a SplashForm) and a close destroys it, its timer included.
//
// The window hands over to the main window on the tick that brings
// SplashTicks to exactly 5, on a key press that produces a character, or on
// a click on Frame1's free area: it closes and calls the hand-over function,
// which shows the main window. So a start-up display ended early leaves
// ticks over for the first About display, which then closes by itself after
// the rest; once the main window has switched the timer off after an About
// display, later displays wait for a key or a click.
#pragma once

#include "ui/common/about_window.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class QDialog;

namespace quillmere {

class SplashForm;
struct PlatformHooks;

class frmSplash final : public AboutWindow {
public:
    // `hooks` must outlive the object.
    explicit frmSplash(PlatformHooks& hooks);
    ~frmSplash() override;

    frmSplash(const frmSplash&) = delete;
    frmSplash& operator=(const frmSplash&) = delete;

    // What a hand-over does once the window has closed: show the main window.
    void SetHandOver(std::function<void()> showMainWindow) { handOver_ = std::move(showMainWindow); }

    // The start-up display: no owner, not modal.
    void Show();

    // AboutWindow: the About display, modal over `owner`, through hooks.runModal.
    void ShowModal(QWidget* owner) override;
    void SwitchTimerOff() override;

    // The window on screen, or null while none is shown.
    [[nodiscard]] QDialog* Form() const;

    // Event handlers of the window on screen.
    void Timer1_Timer();
    void Form_KeyPress(int KeyAscii);
    void Frame1_Click();
    void lblWarning_Click();

    // Timer1's ticks since the program started; never reset.
    std::int32_t SplashTicks = 0;

private:
    SplashForm& Build(QWidget* owner);
    void CloseForm();
    void HandOver();

    PlatformHooks& hooks_;
    std::function<void()> handOver_;
    bool timer1Enabled_ = true;
    QPointer<SplashForm> form_;
};

}  // namespace quillmere
