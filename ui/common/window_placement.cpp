#include "ui/common/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quillmere {
namespace {

// Where a window whose frame is `outer` stands centred on `available`,
// its top left corner kept inside.
QPoint CentredCorner(const QRect& available, QSize outer) {
    return {available.left() + std::max(0, (available.width() - outer.width()) / 2),
            available.top() + std::max(0, (available.height() - outer.height()) / 2)};
}

}  // namespace

QRect FittedWindowRect(const QRect& available, QSize client, int menuBar, QMargins frame) {
    const int roomWidth = available.width() - frame.left() - frame.right();
    const int roomHeight = available.height() - frame.top() - frame.bottom() - menuBar;
    if (client.width() > roomWidth || client.height() > roomHeight) {
        const double scale = std::min(double(roomWidth) / client.width(), double(roomHeight) / client.height());
        client = QSize(int(std::floor(client.width() * scale)), int(std::floor(client.height() * scale)));
    }
    const QSize outer(client.width() + frame.left() + frame.right(),
                      client.height() + menuBar + frame.top() + frame.bottom());
    return {CentredCorner(available, outer), outer};
}

QMargins WindowFrameMargins(const QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) return {};
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    const QMargins measured(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
    if (!measured.isNull()) return measured;
    // Not framed yet: a title bar and a border as wide as most window managers draw.
    const int border = 4;
    const int titleBar = std::max(30, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    return {border, titleBar, border, border};
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const QMargins frame = WindowFrameMargins(window);
    window.move(CentredCorner(screen->availableGeometry(), window.size().grownBy(frame)));
}

void SizeToScreen(QWidget& window, QSize preferred) {
    window.setMinimumSize(window.minimumSizeHint());
    QSize size = preferred;
    if (const QScreen* shown = window.screen()) {
        size = size.boundedTo(shown->availableGeometry().size().shrunkBy(WindowFrameMargins(window)));
    }
    window.resize(size.expandedTo(window.minimumSize()));
}

void HandFocusToParent(QWidget& window) {
    if (window.isActiveWindow() && window.parentWidget() != nullptr) window.parentWidget()->activateWindow();
}

}  // namespace quillmere
