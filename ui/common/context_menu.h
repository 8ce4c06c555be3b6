// OpenContextMenu: a context menu that a screen reader user hears at once.
//
// Qt opens a popup menu with no entry active, whether it was asked for with
// the mouse or the keyboard; a screen reader then says nothing until the
// first Down. Asked for from the keyboard (the Menu key or Shift+F10, while
// no mouse button is held), the menu opens with its first enabled entry
// active, so Orca speaks the menu and that entry, as a GTK menu does. Opened
// by the mouse, it opens as before, with nothing under the pointer chosen.
#pragma once

class QMenu;
class QPoint;

namespace quillmere {

// Opens `menu` at `globalPosition` without waiting for it to close.
void OpenContextMenu(QMenu& menu, const QPoint& globalPosition);

}  // namespace quillmere
