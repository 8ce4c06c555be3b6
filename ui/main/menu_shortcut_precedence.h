// MenuShortcutPrecedence: lets chosen menu shortcuts win over a widget's own
// use of the same keys.
//
// A line edit claims Ctrl+X (cut) and Ctrl+A (select all) before any window
// shortcut sees them, by accepting the ShortcutOverride event. Installed as an
// event filter on such a widget, this object refuses that event for exactly
// the given key sequences, so the window's shortcut runs instead; every other
// key reaches the widget as usual.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace quillmere {

class MenuShortcutPrecedence final : public QObject {
    Q_OBJECT

public:
    MenuShortcutPrecedence(QList<QKeySequence> sequences, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> sequences_;
};

}  // namespace quillmere
