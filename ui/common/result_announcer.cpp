#include "ui/common/result_announcer.h"

#include <QAccessible>

namespace quillmere {

ResultAnnouncer::ResultAnnouncer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("resultAnnouncer"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void ResultAnnouncer::Announce(const QString& text) {
    text_ = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace quillmere
