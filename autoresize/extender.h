// Extender: the host-side wrapper of a control placed on a window.
//
// What the window, not the control, knows about a placed control: the name
// the window gives it (its objectName), the Tag the window stores for it (the
// dynamic property "Tag", read back by name as every control's "Tag"), and
// the window it sits on.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

namespace quillmere {

class Extender {
public:
    explicit Extender(QObject& control) : control_(&control) {}

    void SetName(const QString& name);

    [[nodiscard]] QString Tag() const;
    void SetTag(const QString& tag);

    // The window the control sits on: the window of its nearest widget
    // ancestor. Null while the control sits on no window.
    [[nodiscard]] QWidget* Parent() const;

private:
    QObject* control_;
};

}  // namespace quillmere
