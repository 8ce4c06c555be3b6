#include "autoresize/control_properties.h"

#include "autoresize/twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMetaProperty>
#include <QStatusBar>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>
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
    if (!plain || label->wordWrap() || label->margin() != 0 || label->frameWidth() != 0 ||
        label->text().contains(QLatin1Char('\n'))) {
        const QSize hint = widget.sizeHint();
        return horizontal ? hint.width() : hint.height();
    }
    const QFontMetrics metrics(label->font());
    const QMargins margins = label->contentsMargins();
    return horizontal ? metrics.horizontalAdvance(label->text()) + margins.left() + margins.right()
                      : metrics.height() + margins.top() + margins.bottom();
}

// How much wider or taller than its scaled place a self-sizing control may
// grow to keep its content whole: enough for type hinted at a new size.
constexpr double kAutoSizeSlack = 1.2;

// A self-sizing control takes its content's size where that is close to its
// scaled place. Where the content is much larger (its font held at the
// smallest readable size in a small window) it keeps its place and cuts the
// content, rather than running over its neighbours.
void SetAutoSize(QWidget& widget, Qt::Orientation orientation, int pixels) {
    const bool horizontal = orientation == Qt::Horizontal;
    const int wanted = ContentExtent(widget, orientation);
    const int size = wanted <= pixels * kAutoSizeSlack ? wanted : pixels;
    widget.resize(horizontal ? size : widget.width(), horizontal ? widget.height() : size);
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
    if ((known == Known::Width || known == Known::Height) && widget->property(kAutoSizeProperty).toBool()) {
        SetAutoSize(*widget, known == Known::Width ? Qt::Horizontal : Qt::Vertical, pixels);
        return true;
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

bool HasDynamicProperty(const QObject& control, const char* name) {
    const QList<QByteArray> names = control.dynamicPropertyNames();
    return std::any_of(names.begin(), names.end(), [name](const QByteArray& dynamic) { return dynamic == name; });
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

}  // namespace quillmere
