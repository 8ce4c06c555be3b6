// LinkLabel: a label that reports clicks and pointer movement, with the
// index it holds in its window's array of links.
//
// Screen readers meet it as a link: its accessible role is Link, its name
// the label's text (or the accessible name set on it), and its press action
// does what a click does.
#pragma once

#include <QLabel>

namespace quillmere {

class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    LinkLabel(qint16 index, const QString& text, QWidget* parent);

    [[nodiscard]] qint16 Index() const { return index_; }

    // What a click does, for those who don't click: emits Clicked.
    void Activate() { emit Clicked(index_); }

signals:
    // A left-button press and release, both on the label, or Activate().
    void Clicked(qint16 index);
    // Every pointer movement over the label, buttons held or not.
    void MouseMoved(qint16 index, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    qint16 index_;
    bool pressed_ = false;
};

}  // namespace quillmere
