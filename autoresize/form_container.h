// FormContainer: the component container of one window.
//
// The toolkit has no designer-side container, so each window that carries
// components gets this small one, attached to the window as a child object
// and found again through Of(). It holds:
//  - the run-mode flag: true while the program runs, false while the window
//    is being edited (components then record and change nothing);
//  - the window's control list: the objects the window registers as its
//    controls, in the order it created them. A control is known by its
//    position in this list. Widgets, menus, menu entries (QAction), timers and
//    dialogs alike may be registered; whatever has no place on the window
//    simply lacks the geometry properties (see control_properties.h). A
//    control deleted later leaves its position empty (null).
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

namespace quillmere {

class FormContainer final : public QObject {
    Q_OBJECT

public:
    // The container of window, made (in run mode) on first use.
    static FormContainer& Of(QWidget& window);

    [[nodiscard]] bool UserMode() const { return userMode_; }
    void SetUserMode(bool userMode) { userMode_ = userMode; }

    void AddControl(QObject& control);
    void AddControls(std::initializer_list<QObject*> controls);

    [[nodiscard]] qsizetype Count() const { return controls_.size(); }
    // The control at position index (0-based); null past the end or once
    // the control is gone.
    [[nodiscard]] QObject* Control(qsizetype index) const;

private:
    explicit FormContainer(QWidget& window);

    bool userMode_ = true;
    QList<QPointer<QObject>> controls_;
};

}  // namespace quillmere
