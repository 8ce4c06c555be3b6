// Small helpers for building windows the way they are described: fonts by
// family and point size, label text colours, and places given in twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace quillmere {

// The windows keep the font families they were designed with (Verdana,
// Arial, and the printer's Terminal); a Debian desktop has none of them, so
// each gets its nearest stand-in: DejaVu Sans, the metric-compatible
// Liberation Sans, DejaVu Sans Mono. Called once at start-up, before any
// window exists; tests and benchmarks call it too.
void RegisterFontSubstitutions();

// `family` at `points` (fractions allowed, as in 8.25), regular or bold. The
// family is kept as named; start-up registers substitutes for the families
// a desktop lacks.
QFont WindowFont(const QString& family, qreal points, bool bold = false);

// A label named `name` (its object name, by which the program and its
// tests find it) showing `text`.
QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent);

// The colour a label draws its text in.
QColor TextColour(const QWidget& widget);
void SetTextColour(QWidget& widget, const QColor& colour);

// Places `widget` in its parent from twips.
void PlaceInTwips(QWidget& widget, int left, int top, int width, int height);

// Right to left, mirrors the places of `container`'s children, as placed
// from twips for left to right: each child's left is measured from the
// container's right edge. Left to right, leaves them be.
void MirrorPlacesRightToLeft(QWidget& container);

// A label that takes the size of its text: placed at its left and top in
// twips, then sized to the text in its own font, and again whenever the
// layout control sizes it. Where its text would take more than `room`
// twips (a translation longer than the design's words), its font is made
// smaller to fit, down to the smallest readable size; 0: no limit.
void PlaceSizedToText(QWidget& widget, int left, int top, int room = 0);

// What a screen reader announces for `widget`: its name and a description
// of what it is for. A null name keeps the one the widget has of itself (a
// label's or a button's text).
void SetAccessibleText(QWidget& widget, const QString& name, const QString& description);

// The program's icon: a bar chart with a yellow line graph over the bars,
// 16 and 32 pixels (and their double-density versions).
QIcon ProgramIcon();

// The maker's logo, 222 x 188 pixels, drawn for `devicePixelRatio` from
// whichever of its single- and double-density pictures suits it best.
QPixmap ProgramLogo(qreal devicePixelRatio);

}  // namespace quillmere
