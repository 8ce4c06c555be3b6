#include "autoresize/auto_resize.h"

#include "autoresize/control_properties.h"
#include "autoresize/extender.h"
#include "autoresize/host_window.h"
#include "autoresize/twips.h"

#include <QEvent>
#include <QPainter>
#include <QScopedValueRollback>

#include <cmath>
#include <stdexcept>

namespace quillmere {

namespace {

// A tab control parks the controls of its inactive pages this far (in twips)
// to the left of their place.
constexpr double kParkOffset = 75000;

template <typename T>
T StoredValue(const PropertyBag& bag, const QString& key, const QVariant& defaultValue) {
    QVariant value = bag.ReadProperty(key, defaultValue);
    if (!value.convert(QMetaType::fromType<T>())) {
        throw std::invalid_argument("stored property \"" + key.toStdString() + "\" has the wrong kind of value");
    }
    return value.value<T>();
}

// A property read as a 32-bit float; 0 when the control lacks it.
float ReadFloat(const QObject* control, const char* name) {
    bool ok = false;
    const float value = GetProperty(control, name).toFloat(&ok);
    return ok ? value : 0.0f;
}

void Write(QObject* control, const char* name, double value) { SetProperty(control, name, value); }

bool IsParkedOnTab(const QObject* control, float left) {
    return left < 0 && TypeName(ContainerOf(control)) == QLatin1String("SSTab");
}

bool IsRecorded(const QObject* control) {
    if (TypeName(control) == QLatin1String("StatusBar")) {
        bool ok = false;
        const double align = GetProperty(control, "Align").toDouble(&ok);
        if (!ok || align > 0) {
            return false;  // docked to an edge, or its docking unknown
        }
    }
    const QVariant tag = GetProperty(control, kTagProperty);
    return tag.isValid() && tag.toString() != QLatin1String("NO");
}

// Right to left, the design is mirrored: a control's left is measured from
// its container's right edge, so the leftmost control of the design stands
// rightmost, and every scaling keeps it there.
float MirroredLeft(const QObject* control, float left, float width) {
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (widget == nullptr || widget->parentWidget() == nullptr || !widget->isRightToLeft()) return left;
    return static_cast<float>(PixelsToTwips(widget->parentWidget()->width())) - left - width;
}

ControlLayout Record(const QObject* control, std::int32_t index) {
    ControlLayout layout;
    layout.CtlIndex = index;
    if (TypeName(control) == QLatin1String("Line")) {
        layout.LeftX1 = ReadFloat(control, "X1");
        layout.TopY1 = ReadFloat(control, "Y1");
        layout.WidthX2 = ReadFloat(control, "X2");
        layout.HeightY2 = ReadFloat(control, "Y2");
        return layout;
    }
    layout.LeftX1 = ReadFloat(control, "Left");
    layout.WidthX2 = ReadFloat(control, "Width");
    if (IsParkedOnTab(control, layout.LeftX1)) {
        // Recorded at its place on the page, which the scaling parks again.
        layout.LeftX1 = static_cast<float>(layout.LeftX1 + kParkOffset);
    } else {
        layout.LeftX1 = MirroredLeft(control, layout.LeftX1, layout.WidthX2);
    }
    layout.TopY1 = ReadFloat(control, "Top");
    layout.HeightY2 = ReadFloat(control, "Height");
    layout.FontSize = ReadFloat(control, "FontSize");
    return layout;
}

}  // namespace

AutoResize::AutoResize(QWidget* parent) : QWidget(parent) { resize(TwipsSize(kOwnSize, kOwnSize)); }

void AutoResize::SetKeepAspectRatio(bool keep) {
    keepAspectRatio_ = keep;
    if (!keep) {
        aspectRatioValue_ = 0;
    } else if (QWidget* window = Extender(*this).Parent(); window != nullptr) {
        const HostWindow host(*window);
        const double ratio = double(host.Height()) / double(host.Width());
        if (std::isfinite(ratio)) {
            aspectRatioValue_ = ratio;
        }
    }
    emit PropertyChanged(QStringLiteral("KeepAspectRatio"));
}

void AutoResize::UserControl_InitProperties() {
    SetFontResizable(true);
    SetKeepAspectRatio(false);
    SetHMin(kDefaultHMin);
    SetWMin(kDefaultWMin);
    SetAspectRatioValue(0);
    SetEnabled(true);
    Extender extender(*this);
    extender.SetTag(QStringLiteral("NO"));
    extender.SetName(QStringLiteral("Resize"));
}

void AutoResize::UserControl_ReadProperties(const PropertyBag& bag) {
    SetFontResizable(StoredValue<bool>(bag, QStringLiteral("FontResizable"), true));
    SetKeepAspectRatio(StoredValue<bool>(bag, QStringLiteral("KeepAspectRatio"), false));
    SetAspectRatioValue(StoredValue<double>(bag, QStringLiteral("AspectRatioValue"), 0));
    SetEnabled(StoredValue<bool>(bag, QStringLiteral("Enabled"), true));
    SetHMin(StoredValue<qint32>(bag, QStringLiteral("HMin"), kDefaultHMin));
    SetWMin(StoredValue<qint32>(bag, QStringLiteral("WMin"), kDefaultWMin));
    QWidget* window = Extender(*this).Parent();
    if (window == nullptr) {
        throw std::logic_error("AutoResize is not placed on a window");
    }
    if (FormContainer::Of(*window).UserMode()) {
        Attach(*window);
    }
}

void AutoResize::UserControl_WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("FontResizable"), fontResizable_, true);
    bag.WriteProperty(QStringLiteral("KeepAspectRatio"), keepAspectRatio_, false);
    bag.WriteProperty(QStringLiteral("AspectRatioValue"), aspectRatioValue_);
    bag.WriteProperty(QStringLiteral("HMin"), hMin_, kDefaultHMin);
    bag.WriteProperty(QStringLiteral("WMin"), wMin_, kDefaultWMin);
    bag.WriteProperty(QStringLiteral("Enabled"), enabled_, true);
}

void AutoResize::UserControl_Resize() { resize(TwipsSize(kOwnSize, kOwnSize)); }

void AutoResize::Attach(QWidget& window) {
    if (parentForm_ == &window) {
        return;
    }
    if (parentForm_ != nullptr) {
        parentForm_->removeEventFilter(this);
    }
    parentForm_ = &window;
    container_ = &FormContainer::Of(window);
    loaded_ = false;
    window.installEventFilter(this);
    hide();
}

bool AutoResize::UserMode() const { return container_ != nullptr && container_->UserMode(); }

// The window's load is its first show. Qt delivers the resize of a window
// being shown before its show event, so whichever of the two comes first
// while the window is no longer hidden counts; the first resize pass then
// finds its records.
bool AutoResize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentForm_ && parentForm_ != nullptr) {
        const QEvent::Type type = event->type();
        if (!loaded_ && (type == QEvent::Show || type == QEvent::Resize) && !parentForm_->isHidden()) {
            loaded_ = true;
            ParentForm_Load();
        }
        if (type == QEvent::Resize) {
            ParentForm_Resize();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AutoResize::resizeEvent(QResizeEvent*) { UserControl_Resize(); }

// In the designer the control shows as a small framed double arrow.
void AutoResize::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, palette().button());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(box);
    const QRect arrow = box.adjusted(5, 5, -5, -5);
    painter.drawLine(arrow.topLeft(), arrow.bottomRight());
    painter.drawLine(arrow.bottomRight(), arrow.bottomRight() - QPoint(5, 0));
    painter.drawLine(arrow.bottomRight(), arrow.bottomRight() - QPoint(0, 5));
    painter.drawLine(arrow.topLeft(), arrow.topLeft() + QPoint(5, 0));
    painter.drawLine(arrow.topLeft(), arrow.topLeft() + QPoint(0, 5));
}

void AutoResize::ParentForm_Load() {
    layouts_.clear();
    CaptureLayout();
    // The design takes its places now, whatever size comes next: mirrored
    // right to left, and each text fitted to its place.
    ApplyLayout();
}

void AutoResize::CaptureLayout() {
    if (!UserMode()) {
        return;
    }
    const HostWindow window(*parentForm_);
    baseScaleWidth_ = window.ScaleWidth();
    baseScaleHeight_ = window.ScaleHeight();
    for (qsizetype i = 0; i < container_->Count(); ++i) {
        const QObject* control = container_->Control(i);
        if (IsRecorded(control)) {
            layouts_.push_back(Record(control, static_cast<std::int32_t>(i)));
        }
    }
}

// The size changes made here raise nested resize notifications before they
// return, each running this whole handler; this one then goes on.
void AutoResize::ParentForm_Resize() {
    HostWindow window(*parentForm_);
    if (window.State() == WindowState::Minimized || !enabled_) {
        return;
    }
    if (double(hMin_) > double(window.Height())) {
        window.SetHeight(float(hMin_));
    }
    if (double(wMin_) > double(window.Width())) {
        window.SetWidth(float(wMin_));
    }
    ApplyLayout();
}

void AutoResize::ApplyLayout() {
    if (!UserMode() || aspectBusy_) {
        return;
    }
    HostWindow window(*parentForm_);
    if (keepAspectRatio_ && aspectRatioValue_ > 0 && window.State() == WindowState::Normal) {
        // The nested notification still applies the minimum size, and its
        // own layout pass stops at once; this pass lays out the result.
        const QScopedValueRollback busy(aspectBusy_, true);
        window.SetHeight(static_cast<float>(double(window.Width()) * aspectRatioValue_));
    }
    if (!(baseScaleWidth_ > 0) || !(baseScaleHeight_ > 0)) {
        return;
    }
    Factors factors{};
    factors.horizontal = window.ScaleWidth() / baseScaleWidth_;
    factors.vertical = window.ScaleHeight() / baseScaleHeight_;
    factors.font = factors.horizontal < factors.vertical ? factors.horizontal : factors.vertical;
    for (const ControlLayout& layout : layouts_) {
        ScaleControl(container_->Control(layout.CtlIndex), layout, factors);
    }
}

// A position that names no control fails every test and every write, which
// leaves it untouched.
void AutoResize::ScaleControl(QObject* control, const ControlLayout& layout, const Factors& factors) const {
    const float h = factors.horizontal;
    const float v = factors.vertical;
    if (control == nullptr || TypeName(control) == QLatin1String("Line")) {
        Write(control, "X1", h * layout.LeftX1);
        Write(control, "Y1", v * layout.TopY1);
        Write(control, "X2", h * layout.WidthX2);
        Write(control, "Y2", v * layout.HeightY2);
        return;
    }
    // The font first: a control may size itself to its text.
    if (fontResizable_) {
        Write(control, "FontSize", factors.font * layout.FontSize);
    }
    // Parked on an inactive tab page: keep it parked, at its scaled place.
    // When its container or its place cannot be read it is treated as
    // parked; without a readable place the write fails as well.
    bool parked = true;
    const QVariant left = GetProperty(control, "Left");
    if (left.isValid() && ContainerOf(control) != nullptr) {
        parked = IsParkedOnTab(control, left.toFloat());
    }
    Write(control, "Left", parked ? double(h * layout.LeftX1) - kParkOffset : double(h * layout.LeftX1));
    Write(control, "Top", v * layout.TopY1);
    Write(control, "Width", h * layout.WidthX2);
    Write(control, "Height", v * layout.HeightY2);
}

}  // namespace quillmere
