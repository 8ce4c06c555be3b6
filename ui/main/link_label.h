// LinkLabel: a label that reports clicks and pointer movement, with the
// index it holds in its window's array of links.
#pragma once

#include <QLabel>

namespace quillmere {

class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    LinkLabel(qint16 index, const QString& text, QWidget* parent);

    [[nodiscard]] qint16 Index() const { return index_; }

signals:
    // A left-button press and release, both on the label.
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
