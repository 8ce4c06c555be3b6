#include "autoresize/extender.h"

#include "autoresize/control_properties.h"

namespace quillmere {

void Extender::SetName(const QString& name) { control_->setObjectName(name); }

QString Extender::Tag() const { return GetProperty(control_, kTagProperty).toString(); }

void Extender::SetTag(const QString& tag) { control_->setProperty(kTagProperty, tag); }

QWidget* Extender::Parent() const {
    for (QObject* ancestor = control_->parent(); ancestor != nullptr; ancestor = ancestor->parent()) {
        if (ancestor->isWidgetType()) {
            return static_cast<QWidget*>(ancestor)->window();
        }
    }
    return nullptr;
}

}  // namespace quillmere
