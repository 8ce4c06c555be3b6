#include "ui/common/context_menu.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

#include <algorithm>

namespace quillmere {

void OpenContextMenu(QMenu& menu, const QPoint& globalPosition) {
    // A right click opens the menu while its button is still down.
    const bool fromKeyboard = QGuiApplication::mouseButtons() == Qt::NoButton;
    // Right to left a menu opens leftwards from its point; Qt does so only
    // where the pointer is, so one opened from the keyboard is placed here.
    QPoint at = globalPosition;
    if (fromKeyboard && menu.isRightToLeft()) at.rx() -= menu.sizeHint().width();
    menu.popup(at);
    if (!fromKeyboard) return;
    const QList<QAction*> actions = menu.actions();
    const auto first = std::find_if(actions.cbegin(), actions.cend(), [](const QAction* action) {
        return action->isEnabled() && action->isVisible() && !action->isSeparator();
    });
    if (first != actions.cend()) menu.setActiveAction(*first);
}

}  // namespace quillmere
