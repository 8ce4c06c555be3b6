// What a screen reader meets in the program, beyond what Qt 6.4 gives it:
//  - the schedule grid and the calendar's day grid as tables whose children
//    are their cells alone (AccessibleTable), with their focus and selection
//    events told in the same numbering; the grid's fixed columns, which show
//    cells the grid already lists, stay out of sight;
//  - the calendar as a named group, its days as full dates in the user's
//    locale ("Sunday, 6 December 2026"), its weekdays by their full names;
//  - text boxes whose text is read whole (AccessibleLineEdit);
//  - the result announcer as a notification.
#pragma once

namespace quillmere {

// Installs the program's accessibility adapters. Called once, right after
// the QApplication is made and before any window exists: an object keeps
// the adapter it first got.
void InstallAccessibility();

}  // namespace quillmere
