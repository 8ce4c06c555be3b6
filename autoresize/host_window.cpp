#include "autoresize/host_window.h"

#include "autoresize/twips.h"

#include <QLayout>
#include <QMenuBar>

#include <algorithm>

namespace quillmere {

WindowState HostWindow::State() const {
    if (window_->isMinimized()) {
        return WindowState::Minimized;
    }
    if (window_->isMaximized() || window_->isFullScreen()) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
}

float HostWindow::Width() const { return float(PixelsToTwips(window_->frameGeometry().width())); }

float HostWindow::Height() const { return float(PixelsToTwips(window_->frameGeometry().height())); }

void HostWindow::SetWidth(float twips) {
    const int frame = window_->frameGeometry().width() - window_->width();
    window_->resize(TwipsToPixels(twips) - frame, window_->height());
}

void HostWindow::SetHeight(float twips) {
    const int frame = window_->frameGeometry().height() - window_->height();
    window_->resize(window_->width(), TwipsToPixels(twips) - frame);
}

float HostWindow::ScaleWidth() const { return float(PixelsToTwips(window_->width())); }

float HostWindow::ScaleHeight() const { return float(PixelsToTwips(std::max(0, window_->height() - MenuBarHeight()))); }

// The height the window's layout gives its menu bar at the window's current
// width, worked out the way the layout does it rather than read from the bar,
// whose geometry lags behind while the window's resize is being delivered.
int HostWindow::MenuBarHeight() const {
    const QLayout* layout = window_->layout();
    QWidget* bar = layout != nullptr ? layout->menuBar() : nullptr;
    if (bar == nullptr || bar->isHidden() || bar->isWindow()) {
        return 0;
    }
    if (const auto* menuBar = qobject_cast<const QMenuBar*>(bar); menuBar != nullptr && menuBar->isNativeMenuBar()) {
        return 0;
    }
    int height = bar->heightForWidth(std::max(window_->width(), bar->minimumWidth()));
    if (height < 0) {
        height = bar->sizeHint().height();
    }
    return std::clamp(height, bar->minimumHeight(), std::max(bar->minimumHeight(), bar->maximumHeight()));
}

}  // namespace quillmere
