// AutoResize: keeps every control of its host window in proportion to the
// window.
//
// Placed on a window like any other control (a child widget, registered in
// the window's control list, see form_container.h), it is invisible while the
// program runs. When the window is first shown it records the client-area
// size and, for every control of the list, its geometry in twips and its font
// size. On every resize of the window afterwards it
//  1. does nothing at all while the window is minimized or the control is
//     disabled;
//  2. holds the window to its minimum outer size (HMin x WMin twips);
//  3. if asked to, and only in the normal window state, makes the outer
//     height the outer width x AspectRatioValue (a minimum wins);
//  4. places each recorded control at its recorded geometry times the ratio
//     of the current to the recorded client size, in each direction, and
//     its font at the recorded size times the smaller of the two ratios.
// Every pass starts again from the records, so shrinking a window back to its
// recorded size restores the recorded layout exactly. The first pass runs as
// the records are made.
//
// Right to left, the design (placed for left to right) is mirrored: each
// control's left is recorded as measured from its container's right edge.
// A control marked "FitText" keeps its text whole in its scaled place by a
// smaller font (see control_properties.h).
//
// Kept out of the records: a control whose Tag is exactly "NO" (this control
// tags itself so), and a status bar docked to the window. A line control
// ("Line") records and scales its end points. A control parked 75000 twips to
// the left by a tab control ("SSTab") on an inactive page is recorded at its
// unparked place and stays parked, at its scaled place, while it is parked.
// A control that lacks a property, or a position in the list that no longer
// names a control, skips just that step.
//
// Before a record exists (a client area of zero width or height when the
// window was first shown) the controls are left where they are.
//
// The window must have registered its controls before its first show;
// controls registered later are neither recorded nor moved.
#pragma once

#include "autoresize/control_layout.h"
#include "autoresize/form_container.h"
#include "autoresize/property_bag.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace quillmere {

class AutoResize final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool FontResizable READ FontResizable WRITE SetFontResizable)
    Q_PROPERTY(bool KeepAspectRatio READ KeepAspectRatio WRITE SetKeepAspectRatio)
    Q_PROPERTY(double AspectRatioValue READ AspectRatioValue WRITE SetAspectRatioValue)
    Q_PROPERTY(qint32 HMin READ HMin WRITE SetHMin)
    Q_PROPERTY(qint32 WMin READ WMin WRITE SetWMin)

public:
    static constexpr std::int32_t kDefaultHMin = 3000;
    static constexpr std::int32_t kDefaultWMin = 4800;
    // The control's own size in twips, whatever it is dragged to.
    static constexpr int kOwnSize = 400;

    // parent: the window the control is placed on, or a widget on it.
    explicit AutoResize(QWidget* parent);

    // When false, host resizes are ignored entirely.
    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // When true, fonts scale with positions and sizes.
    [[nodiscard]] bool FontResizable() const { return fontResizable_; }
    void SetFontResizable(bool resizable) { fontResizable_ = resizable; }
    // Setting it true takes the ratio from the window's current outer size
    // (kept as it was when the size cannot be read); false clears the ratio.
    // Either way PropertyChanged("KeepAspectRatio") follows.
    [[nodiscard]] bool KeepAspectRatio() const { return keepAspectRatio_; }
    void SetKeepAspectRatio(bool keep);
    // Outer height / outer width; 0 (or below) keeps no ratio.
    [[nodiscard]] double AspectRatioValue() const { return aspectRatioValue_; }
    void SetAspectRatioValue(double ratio) { aspectRatioValue_ = ratio; }
    // Minimum outer size of the window, in twips.
    [[nodiscard]] std::int32_t HMin() const { return hMin_; }
    void SetHMin(std::int32_t twips) { hMin_ = twips; }
    [[nodiscard]] std::int32_t WMin() const { return wMin_; }
    void SetWMin(std::int32_t twips) { wMin_ = twips; }

    // Container callbacks.
    // A new instance placed on a window: default properties, Tag "NO",
    // name "Resize".
    void UserControl_InitProperties();
    // An instance made from stored properties; in run mode it then attaches
    // to its window. Throws std::invalid_argument for a stored value of the
    // wrong kind and std::logic_error when the control sits on no window.
    void UserControl_ReadProperties(const PropertyBag& bag);
    // Stores the properties that differ from their defaults, and always
    // "AspectRatioValue".
    void UserControl_WriteProperties(PropertyBag& bag) const;
    // Snaps the control back to 400 x 400 twips.
    void UserControl_Resize();

    // The window attached to, null until attached.
    [[nodiscard]] QWidget* ParentForm() const { return parentForm_.data(); }

    // What the last capture recorded.
    [[nodiscard]] float BaseScaleWidth() const { return baseScaleWidth_; }
    [[nodiscard]] float BaseScaleHeight() const { return baseScaleHeight_; }
    [[nodiscard]] const std::vector<ControlLayout>& Layouts() const { return layouts_; }

signals:
    // Tells the container that a property changed.
    void PropertyChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Factors {
        float horizontal;
        float vertical;
        float font;
    };

    void Attach(QWidget& window);
    [[nodiscard]] bool UserMode() const;

    void ParentForm_Load();
    void ParentForm_Resize();
    void CaptureLayout();
    void ApplyLayout();
    void ScaleControl(QObject* control, const ControlLayout& layout, const Factors& factors) const;

    bool enabled_ = true;
    bool fontResizable_ = true;
    bool keepAspectRatio_ = false;
    double aspectRatioValue_ = 0;
    std::int32_t hMin_ = kDefaultHMin;
    std::int32_t wMin_ = kDefaultWMin;

    QPointer<QWidget> parentForm_;
    QPointer<FormContainer> container_;
    bool loaded_ = false;

    float baseScaleWidth_ = 0;
    float baseScaleHeight_ = 0;
    std::vector<ControlLayout> layouts_;
    bool aspectBusy_ = false;
};

}  // namespace quillmere
