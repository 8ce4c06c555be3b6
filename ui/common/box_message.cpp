#include "ui/common/box_message.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

namespace quillmere {
namespace {

const QColor kMessageText(176, 0, 0);

}  // namespace

QLabel* BoxMessageLabel(QWidget* parent) {
    auto* message = new QLabel(parent);
    message->setWordWrap(true);
    message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    message->setMinimumHeight(message->fontMetrics().lineSpacing());
    QPalette palette = message->palette();
    palette.setColor(QPalette::WindowText, kMessageText);
    message->setPalette(palette);
    return message;
}

void MarkBox(QWidget& box, QLabel& message, const QString& text) {
    message.setText(text);
    // Told only when it changes: a screen reader hears every change.
    if (box.accessibleDescription() != text) box.setAccessibleDescription(text);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base,
                     text.isEmpty() ? QApplication::palette(&box).color(QPalette::Base) : kMarkedBoxBase);
    box.setPalette(palette);
}

}  // namespace quillmere
