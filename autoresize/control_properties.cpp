#include "autoresize/control_properties.h"

#include "autoresize/twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMetaProperty>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <utility>

namespace quillmere {

namespace {

enum class Known { None, Tag, Left, Top, Width, Height, FontSize, Align };

Known KnownName(const char* name) {
    struct Entry {
        const char* name;
        Known known;
    };
    static constexpr Entry kNames[] = {
        {"Left", Known::Left}, {"Top", Known::Top},           {"Width", Known::Width}, {"Height", Known::Height},
        {"Tag", Known::Tag},   {"FontSize", Known::FontSize}, {"Align", Known::Align},
    };
    for (const Entry& entry : kNames) {
        if (std::strcmp(entry.name, name) == 0) {
            return entry.known;
        }
    }
    return Known::None;
}

// A widget with a place inside a container; windows (menus, dialogs) have none.
const QWidget* PlacedWidget(const QObject* control) {
    const auto* widget = qobject_cast<const QWidget*>(control);
    return widget != nullptr && !widget->isWindow() ? widget : nullptr;
}

QWidget* PlacedWidget(QObject* control) {
    return const_cast<QWidget*>(PlacedWidget(static_cast<const QObject*>(control)));
}

bool IsDocked(const QStatusBar& bar) {
    const QWidget* window = bar.parentWidget();
    const QLayout* layout = window != nullptr ? window->layout() : nullptr;
    return layout != nullptr && layout->indexOf(&bar) >= 0;
}

bool IsPlace(Known known) {
    return known == Known::Left || known == Known::Top || known == Known::Width || known == Known::Height;
}

// Most controls carry no dynamic properties at all, so their list is looked
// at before the (slower) lookup by name.
bool HasDynamicProperty(const QObject& control, const char* name) {
    const QList<QByteArray> names = control.dynamicPropertyNames();
    return std::any_of(names.begin(), names.end(), [name](const QByteArray& dynamic) { return dynamic == name; });
}

bool IsSelfSizing(const QWidget& widget) {
    return HasDynamicProperty(widget, kAutoSizeProperty) && widget.property(kAutoSizeProperty).toBool();
}

// The dynamic property that keeps the place of a self-sizing control that
// has outgrown it.
constexpr char kPlaceProperty[] = "AutoSizePlace";

// A self-sizing control that fills its place just moves; one grown past
// it moves its place.
bool IsSelfSizedMove(const QWidget& widget, Known known) {
    return (known == Known::Left || known == Known::Top) && HasDynamicProperty(widget, kPlaceProperty) &&
           IsSelfSizing(widget);
}

QVariant GetSelfSizedKnown(const QWidget& widget, Known known);

QVariant GetKnown(const QObject& control, Known known) {
    if (known == Known::Tag) {
        return QString();
    }
    if (known == Known::Align) {
        const auto* bar = qobject_cast<const QStatusBar*>(&control);
        return bar != nullptr ? QVariant(IsDocked(*bar) ? 2 : 0) : QVariant();
    }
    const QWidget* widget = PlacedWidget(&control);
    if (widget == nullptr) {
        return {};
    }
    if (IsPlace(known) && IsSelfSizing(*widget)) {
        return GetSelfSizedKnown(*widget, known);
    }
    switch (known) {
        case Known::Left:
            return double(PixelsToTwips(widget->x()));
        case Known::Top:
            return double(PixelsToTwips(widget->y()));
        case Known::Width:
            return double(PixelsToTwips(widget->width()));
        case Known::Height:
            return double(PixelsToTwips(widget->height()));
        case Known::FontSize: {
            const double points = widget->font().pointSizeF();
            return points > 0 ? QVariant(points) : QVariant();
        }
        default:
            return {};
    }
}

// The smallest font size a control takes: below it text cannot be read, so a
// smaller request is met with this size, as a control's setter rounds a
// request to the sizes it supports.
constexpr double kSmallestPoints = 6.0;

void SetPointSize(QWidget& widget, double points) {
    QFont font = widget.font();
    // An unchanged size is left alone: setting a font, even an equal one,
    // makes the widget and its children relayout and repaint.
    if (font.pointSizeF() != points) {
        font.setPointSizeF(points);
        widget.setFont(font);
    }
}

bool SetFontSize(QWidget& widget, double points) {
    if (!(points > 0) || !(widget.font().pointSizeF() > 0)) {
        return false;
    }
    points = std::max(points, kSmallestPoints);
    SetPointSize(widget, points);
    // A composite control's inner parts (a calendar's navigation bar, a
    // table's headers) may carry fonts of their own; they follow the size so
    // the control scales as one. Those that inherit the new size are left be.
    for (QWidget* part : widget.findChildren<QWidget*>()) {
        if (part->font().pointSizeF() > 0) SetPointSize(*part, points);
    }
    return true;
}

// The extent of a control's content along `orientation`. A label of plain
// text on one line is measured by its text's advance and its font's height
// alone, which is all its own size hint would come to, at a fraction of the
// cost: a layout pass measures every label, and only the width needs the
// text shaped.
int ContentExtent(const QWidget& widget, Qt::Orientation orientation) {
    const bool horizontal = orientation == Qt::Horizontal;
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const bool plain =
        label != nullptr && (label->textFormat() == Qt::PlainText ||
                             (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text())));
    // A label that breaks its text into lines takes any width it is given,
    // and the height its lines need at that width.
    if (label != nullptr && label->wordWrap()) return horizontal ? 0 : label->heightForWidth(label->width());
    if (!plain || label->margin() != 0 || label->frameWidth() != 0 || label->text().contains(QLatin1Char('\n'))) {
        const QSize hint = widget.sizeHint();
        return horizontal ? hint.width() : hint.height();
    }
    const QFontMetrics metrics(label->font());
    const QMargins margins = label->contentsMargins();
    return horizontal ? metrics.horizontalAdvance(label->text()) + margins.left() + margins.right()
                      : metrics.height() + margins.top() + margins.bottom();
}

// The width a control's text needs, frame and margins included.
int TextExtent(const QWidget& widget) {
    if (qobject_cast<const QLabel*>(&widget) != nullptr) return ContentExtent(widget, Qt::Horizontal);
    // A group box's least size holds its title; its children are placed freely.
    if (qobject_cast<const QGroupBox*>(&widget) != nullptr) return widget.minimumSizeHint().width();
    return widget.sizeHint().width();
}

// A marked control's text fitted to `room` pixels.
void FitTextToRoom(QWidget& widget, int room) {
    if (HasDynamicProperty(widget, kFitTextProperty) && widget.property(kFitTextProperty).toBool()) {
        ShrinkFontToFit(widget, room);
    }
}

// Where a self-sizing control was put, which its geometry may overrun to
// keep its content whole, with the geometry it took there. Kept only while
// it overruns its place; a geometry set any other way (a move,
// adjustSize()) counts as its place again.
struct SelfSizedPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QRect geometry;

    friend bool operator==(const SelfSizedPlace&, const SelfSizedPlace&) = default;
};

SelfSizedPlace PlaceOf(const QWidget& widget) {
    if (HasDynamicProperty(widget, kPlaceProperty)) {
        const QVariant stored = widget.property(kPlaceProperty);
        const auto place = stored.value<SelfSizedPlace>();
        if (place.geometry == widget.geometry()) return place;
    }
    const QRect geometry = widget.geometry();
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height(), geometry};
}

// Which edge of its place a control's content keeps to along one direction.
enum class Anchor { Start, Centre, End };

Anchor AnchorOf(const QWidget& widget, Qt::Orientation orientation) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const Qt::Alignment declared = label != nullptr ? label->alignment() : Qt::AlignLeading | Qt::AlignVCenter;
    if (orientation == Qt::Vertical) {
        if (declared.testFlag(Qt::AlignTop)) return Anchor::Start;
        return declared.testFlag(Qt::AlignBottom) ? Anchor::End : Anchor::Centre;
    }
    // Right to left, leading text keeps to the right.
    const Qt::Alignment visual = QStyle::visualAlignment(widget.layoutDirection(), declared);
    if (visual.testFlag(Qt::AlignHCenter)) return Anchor::Centre;
    return visual.testFlag(Qt::AlignRight) ? Anchor::End : Anchor::Start;
}

// The stretch a self-sizing control covers along one direction: its place,
// grown to `wanted` where that is more. It grows away from the edge its
// content keeps to, evenly to both sides when the content is centred, so the
// content stays where its place shows it; and the growth stays inside the
// container's `room` [0, room), unless the place itself lies outside (parked
// on a tab page), which it then keeps.
std::pair<int, int> GrownSpan(int start, int length, int wanted, Anchor anchor, int room) {
    if (wanted <= length) return {start, length};
    const qint64 end = qint64(start) + length;
    qint64 grown = anchor == Anchor::Start ? start
                   : anchor == Anchor::End ? end - wanted
                                           : start - (qint64(wanted) - length) / 2;
    grown = std::min(grown, std::max<qint64>(room, end) - wanted);
    grown = std::max(grown, std::min<qint64>(0, start));
    // Kept where its far edge can still be counted in pixels.
    grown = std::min<qint64>(grown, std::numeric_limits<int>::max() - qint64(wanted));
    return {static_cast<int>(grown), wanted};
}

// Places a self-sizing control at `place`, at least `wanted` large.
void PlaceSelfSized(QWidget& widget, SelfSizedPlace place, QSize wanted) {
    const QSize room = widget.parentWidget() != nullptr ? widget.parentWidget()->size() : widget.size();
    const auto [x, width] =
        GrownSpan(place.left, place.width, wanted.width(), AnchorOf(widget, Qt::Horizontal), room.width());
    const auto [y, height] =
        GrownSpan(place.top, place.height, wanted.height(), AnchorOf(widget, Qt::Vertical), room.height());
    widget.setGeometry(x, y, width, height);
    place.geometry = widget.geometry();
    if (x != place.left || y != place.top || width != place.width || height != place.height) {
        widget.setProperty(kPlaceProperty, QVariant::fromValue(place));
    } else if (HasDynamicProperty(widget, kPlaceProperty)) {
        widget.setProperty(kPlaceProperty, QVariant());
    }
}

// A self-sizing control reports its place, so that a value read and
// written back leaves it where it is.
QVariant GetSelfSizedKnown(const QWidget& widget, Known known) {
    const SelfSizedPlace place = PlaceOf(widget);
    const int pixels = known == Known::Left    ? place.left
                       : known == Known::Top   ? place.top
                       : known == Known::Width ? place.width
                                               : place.height;
    return double(PixelsToTwips(pixels));
}

// A self-sizing control never takes less than its scaled place, and more
// only where its content would be cut (its font held at the smallest
// readable size in a small window, or a wider font than the one it was
// designed with). Its content then stays whole, where the place shows it.
// Along the other direction it keeps the length it has.
bool SetSelfSizedKnown(QWidget& widget, Known known, int pixels) {
    SelfSizedPlace place = PlaceOf(widget);
    QSize wanted = widget.size();
    switch (known) {
        case Known::Left:
            place.left = pixels;
            break;
        case Known::Top:
            place.top = pixels;
            break;
        case Known::Width:
            place.width = pixels;
            FitTextToRoom(widget, pixels);
            wanted.setWidth(ContentExtent(widget, Qt::Horizontal));
            break;
        case Known::Height:
            place.height = pixels;
            wanted.setHeight(ContentExtent(widget, Qt::Vertical));
            break;
        default:
            return false;
    }
    PlaceSelfSized(widget, place, wanted);
    return true;
}

bool SetKnown(QObject& control, Known known, const QVariant& value) {
    if (known == Known::Tag) {
        control.setProperty(kTagProperty, value.toString());
        return true;
    }
    QWidget* widget = PlacedWidget(&control);
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (widget == nullptr || !ok || !std::isfinite(number)) {
        return false;
    }
    const int pixels = TwipsToPixels(number);
    if (IsSelfSizedMove(*widget, known) ||
        ((known == Known::Width || known == Known::Height) && IsSelfSizing(*widget))) {
        return SetSelfSizedKnown(*widget, known, pixels);
    }
    switch (known) {
        case Known::Left:
            widget->move(pixels, widget->y());
            return true;
        case Known::Top:
            widget->move(widget->x(), pixels);
            return true;
        case Known::Width:
            widget->resize(pixels, widget->height());
            FitTextToRoom(*widget, pixels);
            return true;
        case Known::Height:
            widget->resize(widget->width(), pixels);
            return true;
        case Known::FontSize:
            return SetFontSize(*widget, number);
        default:
            return false;
    }
}

// A class's own property of that name, or -1. Looking a name up walks every
// property of the class and its bases, and a layout pass asks for the same
// few names on the same few classes again and again; the answer never
// changes while the program runs, so each is looked up once.
int MetaPropertyIndex(const QMetaObject& meta, const char* name) {
    thread_local std::map<std::pair<const QMetaObject*, std::string>, int> indices;
    auto key = std::make_pair(&meta, std::string(name));
    auto found = indices.find(key);
    if (found == indices.end()) found = indices.emplace(std::move(key), meta.indexOfProperty(name)).first;
    return found->second;
}

}  // namespace

QLatin1String TypeName(const QObject* control) {
    if (control == nullptr) {
        return QLatin1String();
    }
    const QMetaObject* meta = control->metaObject();
    const int info = meta->indexOfClassInfo(kTypeNameInfo);
    if (info >= 0) {
        return QLatin1String(meta->classInfo(info).value());
    }
    if (qobject_cast<const QStatusBar*>(control) != nullptr) {
        return QLatin1String("StatusBar");
    }
    return QLatin1String(meta->className());
}

QObject* ContainerOf(const QObject* control) { return control != nullptr ? control->parent() : nullptr; }

QVariant GetProperty(const QObject* control, const char* name) {
    if (control == nullptr) {
        return {};
    }
    const QMetaObject* meta = control->metaObject();
    const int index = MetaPropertyIndex(*meta, name);
    if (index >= 0) {
        return meta->property(index).read(control);
    }
    if (HasDynamicProperty(*control, name)) {
        return control->property(name);
    }
    return GetKnown(*control, KnownName(name));
}

bool SetProperty(QObject* control, const char* name, const QVariant& value) {
    if (control == nullptr) {
        return false;
    }
    const QMetaObject* meta = control->metaObject();
    const int index = MetaPropertyIndex(*meta, name);
    if (index >= 0) {
        return meta->property(index).write(control, value);
    }
    if (HasDynamicProperty(*control, name)) {
        control->setProperty(name, value);
        return true;
    }
    return SetKnown(*control, KnownName(name), value);
}

void ShrinkFontToFit(QWidget& widget, int room) {
    for (double points = widget.font().pointSizeF(); points > kSmallestPoints && TextExtent(widget) > room;) {
        points = std::max(kSmallestPoints, points - 0.25);
        SetPointSize(widget, points);
    }
}

}  // namespace quillmere
