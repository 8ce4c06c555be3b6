#include "ui/common/context_menu.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

#include <algorithm>

namespace quillmere {

void OpenContextMenu(QMenu& menu, const QPoint& globalPosition) {
    // A right click opens the menu while its button is still down.
    const bool fromKeyboard = QGuiApplication::mouseButtons() == Qt::NoButton;
    menu.popup(globalPosition);
    if (!fromKeyboard) return;
    const QList<QAction*> actions = menu.actions();
    const auto first = std::find_if(actions.cbegin(), actions.cend(), [](const QAction* action) {
        return action->isEnabled() && action->isVisible() && !action->isSeparator();
    });
    if (first != actions.cend()) menu.setActiveAction(*first);
}

}  // namespace quillmere
