#include "autoresize/form_container.h"

namespace quillmere {

FormContainer& FormContainer::Of(QWidget& window) {
    auto* container = window.findChild<FormContainer*>(QString(), Qt::FindDirectChildrenOnly);
    return container != nullptr ? *container : *new FormContainer(window);
}

FormContainer::FormContainer(QWidget& window) : QObject(&window) {}

void FormContainer::AddControl(QObject& control) { controls_.append(QPointer<QObject>(&control)); }

void FormContainer::AddControls(std::initializer_list<QObject*> controls) {
    for (QObject* control : controls) {
        if (control != nullptr) {
            AddControl(*control);
        }
    }
}

QObject* FormContainer::Control(qsizetype index) const {
    return index >= 0 && index < controls_.size() ? controls_[index].data() : nullptr;
}

}  // namespace quillmere
