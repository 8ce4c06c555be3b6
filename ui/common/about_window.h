// AboutWindow: what the main window needs from its About box.
#pragma once

class QWidget;

namespace quillmere {

class AboutWindow {
public:
    virtual ~AboutWindow() = default;
    // Shows the box modally over `owner`; returns once it has closed.
    virtual void ShowModal(QWidget* owner) = 0;
    // Switches the box's timer off for its later displays.
    virtual void SwitchTimerOff() = 0;
};

}  // namespace quillmere
