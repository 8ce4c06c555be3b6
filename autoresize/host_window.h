// HostWindow: a top-level window seen the way the layout control measures it.
//
// All sizes are in twips. The outer size is the frame geometry, window
// decorations included (a platform without a window manager reports none).
// The client area is the part below the menu bar, which is where the
// window's controls are placed; it does not depend on the window's own
// layout having caught up with a resize yet, so it can be read from inside
// the window's resize notification.
#pragma once

#include <QWidget>

namespace quillmere {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class HostWindow {
public:
    explicit HostWindow(QWidget& window) : window_(&window) {}

    [[nodiscard]] WindowState State() const;

    // Outer size.
    [[nodiscard]] float Width() const;
    [[nodiscard]] float Height() const;
    // Change the outer size, keeping the other dimension. On a visible
    // window the resize notification arrives before these return.
    void SetWidth(float twips);
    void SetHeight(float twips);

    // Client-area size.
    [[nodiscard]] float ScaleWidth() const;
    [[nodiscard]] float ScaleHeight() const;

private:
    [[nodiscard]] int MenuBarHeight() const;

    QWidget* window_;
};

}  // namespace quillmere
