// The program's real ways out of its windows: the desktop's browser, Qt's
// message box and print dialog, and leaving through the event loop.
#pragma once

#include "ui/common/platform_hooks.h"

namespace quillmere {

// QDesktopServices, QMessageBox, QDialog::exec, the print dialog and its
// preview, QFileDialog (the desktop's own where a portal offers one) and
// LeaveProgram().
PlatformHooks DefaultPlatformHooks();

// Ends the program the way the desktop expects, with nothing lost: every
// window is hidden at once, and from then on no input, timer tick, queued
// call or close reaches any object; the event loops are told to end, so
// QApplication::exec() returns and main() with it. QApplication's teardown
// then hands what the user copied to the desktop's clipboard manager.
void LeaveProgram();

}  // namespace quillmere
