#include "ui/common/link_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace quillmere {
namespace {

// A link label as assistive technology sees it.
class AccessibleLinkLabel final : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) text = Link().text();
        return text;
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            Link().Activate();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    [[nodiscard]] LinkLabel& Link() const { return *static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* MakeAccessibleLinkLabel(const QString& /*className*/, QObject* object) {
    auto* link = qobject_cast<LinkLabel*>(object);
    return link != nullptr ? new AccessibleLinkLabel(link) : nullptr;
}

}  // namespace

LinkLabel::LinkLabel(qint16 index, const QString& text, QWidget* parent) : QLabel(text, parent), index_(index) {
    // Before anyone asks for a link's accessible interface.
    static const bool accessibleLinks = (QAccessible::installFactory(&MakeAccessibleLinkLabel), true);
    (void)accessibleLinks;
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Activate();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMoved(index_, event->buttons(), event->modifiers(), at.x(), at.y());
    event->accept();
}

}  // namespace quillmere
