// Where a window opens: centred in the available area of its screen (the
// screen less its panels), and no larger than that area.
//
// A window's design size is its client area. Where that, with the menu bar
// and the window manager's frame, doesn't fit the available area, the client
// area is scaled down, keeping its proportions, to the largest size that
// fits; the window's layout control scales its contents from there. All
// sizes are in the toolkit's device-independent pixels.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace quillmere {

// The outer rectangle (frame included) of a window whose client area is
// `client`, with `menuBar` pixels of menu bar and `frame` around it all,
// placed on `available`: `client` itself where it fits, otherwise its
// largest proportional reduction that does; centred, and never above or to
// the left of the available area.
[[nodiscard]] QRect FittedWindowRect(const QRect& available, QSize client, int menuBar, QMargins frame);

// The frame the window manager draws around `window`: as measured once the
// window is framed, a generous estimate before.
[[nodiscard]] QMargins WindowFrameMargins(const QWidget& window);

// Gives a resizable window `preferred` where its screen has room for it,
// and never less than its minimum size hint, which becomes its minimum.
void SizeToScreen(QWidget& window, QSize preferred);

// For a window's closeEvent: where no window manager hands the focus on (a
// bare X server, some kiosk sessions), it would stay with the closed window,
// the keys would reach no window and a screen reader would fall silent; so
// the window it was opened from is activated.
void HandFocusToParent(QWidget& window);

// Moves a window of fixed size onto the available area of its screen,
// centred, or at its top left corner when it is larger than that area.
void CentreOnScreen(QWidget& window);

}  // namespace quillmere
