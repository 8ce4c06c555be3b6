// ResultAnnouncer: tells a screen reader news it should hear at once, such
// as the result of a calculation, without moving the keyboard focus.
//
// An invisible widget whose accessible role is a notification: every
// Announce() shows the notification anew, which screen readers speak (Orca
// speaks every notification that is shown, wherever the focus is). Qt 6.4
// offers no other way to be heard away from the focus: screen readers pass
// over changes to the text, name or description of what doesn't have it.
#pragma once

#include <QString>
#include <QWidget>

namespace quillmere {

class ResultAnnouncer final : public QWidget {
    Q_OBJECT

public:
    explicit ResultAnnouncer(QWidget* parent);

    void Announce(const QString& text);
    // What was announced last.
    [[nodiscard]] const QString& Text() const { return text_; }

private:
    QString text_;
};

}  // namespace quillmere
