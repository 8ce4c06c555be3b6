#include "link_label.h"

#include <QMouseEvent>

namespace quillmere {

LinkLabel::LinkLabel(qint16 index, const QString& text, QWidget* parent) : QLabel(text, parent), index_(index) {
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
    if (click) emit Clicked(index_);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMoved(index_, event->buttons(), event->modifiers(), at.x(), at.y());
    event->accept();
}

}  // namespace quillmere
