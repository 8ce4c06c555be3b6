// What a screen reader meets in the program, beyond what Qt 6.4 gives it:
//  - the schedule grid and the calendar's day grid as tables whose children
//    are their cells alone (AccessibleTable), with their focus and selection
//    events told in the same numbering; the grid's fixed columns, which show
//    cells the grid already lists, stay out of sight;
//  - the calendar as a group named once, its days a list (rows and columns
//    kept) named by the month shown, each day a full date in the user's
//    locale ("Sunday, 6 December 2026"), so Orca speaks the one day a move
//    selects, not a week; its weekdays by their full names;
//  - text boxes whose text is read whole (AccessibleLineEdit);
//  - the schedule's menu as a child of the cell it was opened on
//    (AccessibleContextMenu), handing the focus back to it on closing;
//  - the result announcer as a notification.
// and in what order and how often things are told: a focus move before the
// caret and selection of the box it reaches, and once; no caret or selection
// of a box without the focus; a window's activation once it has settled, and
// only when it changed (not for a popup menu over it).
#pragma once

namespace quillmere {

// Installs the program's accessibility adapters. Called once, right after
// the QApplication is made and before any window exists: an object keeps
// the adapter it first got.
void InstallAccessibility();

}  // namespace quillmere
