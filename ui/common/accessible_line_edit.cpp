#include "ui/common/accessible_line_edit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

namespace quillmere {

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit& AccessibleLineEdit::Box() const { return *static_cast<QLineEdit*>(widget()); }

bool AccessibleLineEdit::ShowsText() const { return Box().echoMode() == QLineEdit::Normal; }

QString AccessibleLineEdit::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        if (ShowsText()) return Box().text();
        if (Box().echoMode() != QLineEdit::NoEcho) return QString(Box().text().size(), u'*');
        return {};
    }
    QString said = QAccessibleWidget::text(t);
    if (said.isEmpty() && t == QAccessible::Description) said = Box().placeholderText();
    return said;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString value = text;
    int position = 0;
    if (Box().validator() != nullptr && Box().validator()->validate(value, position) != QValidator::Acceptable) return;
    Box().setText(value);
}

QAccessible::State AccessibleLineEdit::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    state.readOnly = Box().isReadOnly();
    state.passwordEdit = !ShowsText();
    return state;
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Box().hasSelectedText()) return;
    *startOffset = Box().selectionStart();
    *endOffset = Box().selectionEnd();
}

int AccessibleLineEdit::selectionCount() const { return Box().hasSelectedText() ? 1 : 0; }

void AccessibleLineEdit::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void AccessibleLineEdit::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Box().deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) Box().setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const { return Box().cursorPosition(); }

void AccessibleLineEdit::setCursorPosition(int position) { Box().setCursorPosition(position); }

QString AccessibleLineEdit::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset || !ShowsText()) return {};
    return Box().text().mid(startOffset, endOffset - startOffset);
}

// The base class finds words, lines and characters in text(start, end);
// -2 stands for the cursor's offset.
QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const {
    if (!ShowsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset, boundaryType,
                                                      startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const {
    if (!ShowsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, boundaryType,
                                                     startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const {
    if (!ShowsText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAtOffset(offset == -2 ? cursorPosition() : offset, boundaryType, startOffset,
                                                  endOffset);
}

int AccessibleLineEdit::characterCount() const { return static_cast<int>(Box().text().size()); }

// Measured from the cursor, whose place the box tells (scrolling included).
QRect AccessibleLineEdit::characterRect(int offset) const {
    const QString shown = Box().displayText();
    if (offset < 0 || offset >= shown.size()) return {};
    const int cursor = Box().cursorPosition();
    const QRect caret = Box().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(Box().font());
    const int x = offset >= cursor ? caret.x() + metrics.horizontalAdvance(shown.mid(cursor, offset - cursor))
                                   : caret.x() - metrics.horizontalAdvance(shown.mid(offset, cursor - offset));
    const QRect character(x, caret.y(), metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    return {Box().mapToGlobal(character.topLeft()), character.size()};
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const {
    return Box().cursorPositionAt(Box().mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex) {
    Box().setCursorPosition(endIndex);
    Box().setCursorPosition(startIndex);
}

// The box's text has no attributes of its own: one run, all of it.
QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset) {
    Box().setText(Box().text().remove(startOffset, endOffset - startOffset));
}

void AccessibleLineEdit::insertText(int offset, const QString& text) {
    Box().setText(Box().text().insert(offset, text));
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text) {
    Box().setText(Box().text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace quillmere
