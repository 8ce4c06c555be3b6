// AccessibleContextMenu: a context menu as a screen reader meets it.
//
// Qt's own adapter makes a popup menu a child of the application, as if it
// were a window of its own. Orca then hears the way back as a new place:
// closing the menu re-reads the window's title, the table and the whole
// current row before the cell. Here the menu is a child of the item it was
// opened on, the current cell of its owner where that has one (else the
// owner itself), so Orca hears "Schedule menu" and its entry on opening,
// and just the cell again on closing, as in a GTK program.
//
// Its children are its entries (MenuEntry), one per action, which tell
// their text, shortcut, state and place and can be pressed. Entries that
// open submenus are not told apart: the menus this serves have none.
#pragma once

#include <QAccessibleWidget>

class QAction;
class QMenu;

namespace quillmere {

class AccessibleContextMenu final : public QAccessibleWidget {
public:
    explicit AccessibleContextMenu(QMenu* menu);

    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

private:
    [[nodiscard]] QMenu& Menu() const;
    // The entry showing `action`; null for none.
    [[nodiscard]] QAccessibleInterface* Entry(QAction* action) const;
};

}  // namespace quillmere
