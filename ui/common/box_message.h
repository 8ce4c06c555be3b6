// The message beside a box whose text can't be read, and the box's mark.
//
// A marked box gets a tinted background, and its accessible description
// becomes the message, so a screen reader says why when the box is reached.
// The message's place keeps a line's height, empty or not, and never widens
// its form: a message coming or going moves no box the user is typing into.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace quillmere {

// The background of a box that can't be read.
inline const QColor kMarkedBoxBase(255, 228, 225);

// An empty message label, in the messages' colour.
[[nodiscard]] QLabel* BoxMessageLabel(QWidget* parent);
// Shows `text` in `message` and marks `box`; an empty text unmarks it.
void MarkBox(QWidget& box, QLabel& message, const QString& text);

}  // namespace quillmere
