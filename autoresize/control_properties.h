// Run-time access to a control's properties by name.
//
// The layout control reads and writes the controls of its host by name, and
// any control may lack any of the names. A read that gives an invalid QVariant,
// or a write that returns false, means the control does not have that
// property (or refused the value); the caller skips that one step and goes on.
//
// A name is looked up first among the control's own Qt properties, declared
// with Q_PROPERTY or set as dynamic properties, so a control can supply any of
// them itself (the line control's "X1" .. "Y2") or report one missing (a
// Q_PROPERTY whose read gives an invalid QVariant). Failing that, these names
// are known:
//   "Tag"       every control: the dynamic property "Tag", "" until it is set.
//   "Left", "Top", "Width", "Height"
//               a widget placed in a container, not a window: its place in
//               twips, relative to the container. A widget that sizes itself
//               to its content (marked with the dynamic property "AutoSize"
//               true, as a label that takes the size of its text) is placed
//               at the values written, its place, and never smaller; it
//               grows beyond its place only where its content would be cut,
//               away from the edge its content keeps to (evenly to both
//               sides for centred text, so the text stays where the place
//               shows it), and without leaving its container for that. Its
//               reads give its place.
//   "FontSize"  a widget placed in a container whose font is sized in points:
//               the size in points; only sizes above 0 are accepted, and
//               one below 6 points (too small to read) is set as 6. The
//               control's inner widgets (a calendar's navigation bar, a
//               table's headers) take the same size.
//   "Align"     a status bar: 2 (docked to the bottom) when its window's
//               layout manages it, 0 when it is placed freely.
// Menu entries, timers, and windows such as menus and dialogs therefore have
// no place on their host and no font.
#pragma once

#include <QLatin1String>
#include <QObject>
#include <QVariant>

class QWidget;

namespace quillmere {

// The dynamic property that holds a control's Tag.
inline constexpr char kTagProperty[] = "Tag";
// The dynamic property that marks a control sizing itself to its content.
inline constexpr char kAutoSizeProperty[] = "AutoSize";
// The dynamic property that marks a control whose text must stay whole in
// its place in any language (true): where the text is wider than the place
// (a translation longer than the design's words), the control's font is
// made smaller until it fits, down to the smallest readable size; only then
// does a self-sizing control grow past its place.
inline constexpr char kFitTextProperty[] = "FitText";
// The class information that names a control's type.
inline constexpr char kTypeNameInfo[] = "TypeName";

// The type name a control reports: the "TypeName" class information of its
// class or a base class (Q_CLASSINFO("TypeName", "Line")), "StatusBar" for a
// QStatusBar, and otherwise its Qt class name. A null control reports "".
[[nodiscard]] QLatin1String TypeName(const QObject* control);

// The control's immediate container (its parent), null for none.
[[nodiscard]] QObject* ContainerOf(const QObject* control);

// The property's value; invalid when the control lacks it or is null.
[[nodiscard]] QVariant GetProperty(const QObject* control, const char* name);

// Hands value to the control's setter, which may round it. False when the
// control lacks the property, is null, or refuses the value.
bool SetProperty(QObject* control, const char* name, const QVariant& value);

// Makes a control's font smaller, a quarter point at a time, until its text
// (a label's, a button's, a group box's title) fits `room` pixels, frame and
// margins included, or the font is as small as can be read (6 points).
void ShrinkFontToFit(QWidget& widget, int room);

}  // namespace quillmere
