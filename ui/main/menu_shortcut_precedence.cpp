#include "ui/main/menu_shortcut_precedence.h"

#include <QKeyEvent>

#include <utility>

namespace quillmere {

MenuShortcutPrecedence::MenuShortcutPrecedence(QList<QKeySequence> sequences, QObject* parent)
    : QObject(parent), sequences_(std::move(sequences)) {}

bool MenuShortcutPrecedence::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (sequences_.contains(pressed)) {
            // Not accepted: the shortcut map goes on to the window's shortcut.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmere
