#include "ui/common/tool_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace quillmere {
namespace {

constexpr char kSaidAsWindow[] = "quillmereSaidAsWindow";

QAccessibleInterface* MakeWindowAccessible(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(kSaidAsWindow).toBool()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void SayAsWindow(QWidget& window) {
    static const bool installed = (QAccessible::installFactory(&MakeWindowAccessible), true);
    (void)installed;
    window.setProperty(kSaidAsWindow, true);
}

void CloseOnEscapeAndCtrlW(QWidget& window) {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window, &QWidget::close);
    }
}

}  // namespace quillmere
