#include "ui/grid/accessible_context_menu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace quillmere {
namespace {

// An action's text as spoken: "&&" is an ampersand, a lone "&" marks the
// mnemonic.
QString SpokenText(const QString& text) {
    QString spoken;
    spoken.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size()) ++i;
        spoken.append(text.at(i));
    }
    return spoken;
}

// One entry of the menu, for the action it shows.
class MenuEntry final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntry(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}

    [[nodiscard]] bool isValid() const override { return !menu_.isNull() && !action_.isNull(); }
    [[nodiscard]] QObject* object() const override { return action_.data(); }
    [[nodiscard]] QWindow* window() const override { return isValid() ? menu_->window()->windowHandle() : nullptr; }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return isValid() ? QAccessible::queryAccessibleInterface(menu_) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return SpokenText(action_->text());
        if (t == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        if (t == QAccessible::Description) return action_->statusTip();
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    [[nodiscard]] QRect rect() const override {
        if (!isValid()) return {};
        const QRect place = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override {
        return isValid() && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool shown = menu_->isVisible() && action_->isVisible();
        state.invisible = !shown;
        state.focusable = shown && !action_->isSeparator();
        state.focused = shown && menu_->activeAction() == action_;
        state.hotTracked = state.focused;
        state.disabled = !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return isValid() && action_->isEnabled() && !action_->isSeparator() ? QStringList{pressAction()}
                                                                            : QStringList{};
    }
    // Pressing an entry does what choosing it does: the menu closes and the
    // action runs.
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !actionNames().contains(actionName)) return;
        menu_->hide();
        action_->trigger();
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName != pressAction() || !isValid() || action_->shortcut().isEmpty()) return {};
        return {action_->shortcut().toString(QKeySequence::NativeText)};
    }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

}  // namespace

AccessibleContextMenu::AccessibleContextMenu(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

QMenu& AccessibleContextMenu::Menu() const { return *static_cast<QMenu*>(widget()); }

QAccessibleInterface* AccessibleContextMenu::parent() const {
    QAccessibleInterface* owner = QAccessible::queryAccessibleInterface(Menu().parentWidget());
    if (owner == nullptr) return QAccessibleWidget::parent();
    QAccessibleInterface* current = owner->focusChild();
    return current != nullptr ? current : owner;
}

int AccessibleContextMenu::childCount() const { return static_cast<int>(Menu().actions().size()); }

QAccessibleInterface* AccessibleContextMenu::child(int index) const { return Entry(Menu().actions().value(index)); }

// Made and registered on first asking, like Qt's own menu entries; the
// accessibility cache deletes each with its action.
QAccessibleInterface* AccessibleContextMenu::Entry(QAction* action) const {
    if (action == nullptr) return nullptr;
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(action)) return known;
    auto* entry = new MenuEntry(&Menu(), action);
    QAccessible::registerAccessibleInterface(entry);
    return entry;
}

int AccessibleContextMenu::indexOfChild(const QAccessibleInterface* child) const {
    auto* action = child != nullptr ? qobject_cast<QAction*>(child->object()) : nullptr;
    return action != nullptr ? static_cast<int>(Menu().actions().indexOf(action)) : -1;
}

QAccessibleInterface* AccessibleContextMenu::childAt(int x, int y) const {
    return Entry(Menu().actionAt(Menu().mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* AccessibleContextMenu::focusChild() const { return Entry(Menu().activeAction()); }

}  // namespace quillmere
