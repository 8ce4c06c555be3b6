// A tool window (Extra Payments, Compare Loans, ...) as a screen reader
// meets it.
//
// Qt gives a plain top-level widget the role of a filler, and a screen
// reader says "window" (and its title) only for a window: SayAsWindow()
// gives it the role of a window. Call it in the constructor, before anyone
// asks for the window's accessible interface.
//
// Escape and Ctrl+W close a tool window (CloseOnEscapeAndCtrlW), as they do
// a dialog or a browser's tab.
#pragma once

class QWidget;

namespace quillmere {

void SayAsWindow(QWidget& window);
void CloseOnEscapeAndCtrlW(QWidget& window);

}  // namespace quillmere
