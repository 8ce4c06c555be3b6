// PrinterTextStyle: one font of the report, ready to measure and draw the
// fields of its lines on a given printer.
//
// The report is laid out in character cells of a fixed-pitch font. A field
// is drawn from its own cell onwards, so nothing in it can move another
// field. How it is drawn depends on what it holds:
//  - left-to-right text the font has every glyph for (every field of an
//    en_US schedule) goes down as one run of glyphs, one glyph to a cell,
//    with no text shaping: that keeps the longest schedule (about 11,000
//    lines) quick to print and its PDF small;
//  - anything else (right-to-left text, a currency sign from a fallback
//    font, a combining mark) is laid out as a paragraph of its own, in its
//    own reading order, with the font's fallback and shaping. A glyph wider
//    than a cell then widens its field, never the next one. Its glyphs come
//    from the style's ShapedFieldCache, so a text or a run of amounts that
//    differ in their digits only is shaped once.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringView>

#include "printing/shaped_field_cache.h"

class QPainter;
class QPaintDevice;
class QPointF;

namespace quillmere {

class PrinterTextStyle {
public:
    // Drawing through a painter on `device` uses the style's cache; `device`
    // must outlive the style.
    PrinterTextStyle(const QFont& font, const QPaintDevice* device);

    [[nodiscard]] const QFont& Font() const { return font_; }
    [[nodiscard]] qreal Ascent() const { return metrics_.ascent(); }
    [[nodiscard]] qreal LineSpacing() const { return metrics_.lineSpacing(); }
    // The width of a character cell in device units: the advance of a blank
    // in a fixed-pitch font, the average character width in any other.
    [[nodiscard]] qreal Pitch() const { return pitch_; }

    // The glyphs of a line's fields, drawn together: one run for each font,
    // so a line is one or two text objects in a PDF, not one for each field
    // and script. A PDF reader gets the same text from it: each glyph keeps
    // its place, only the order of fonts within a line is another.
    class CellRun {
    public:
        [[nodiscard]] bool IsEmpty() const { return glyphs_.IsEmpty(); }

    private:
        friend class PrinterTextStyle;
        GlyphBatch glyphs_;
    };

    // Adds `field`, starting at character cell `cell`, to `run` when it can
    // be drawn one glyph to a cell; false (and `run` unchanged) when it
    // needs laying out (AddLaidOut()).
    bool AddToCells(CellRun& run, qsizetype cell, QStringView field) const;
    // Adds `field` laid out as a paragraph of its own, starting at the left
    // edge of character cell `cell`, to `run`. Its glyphs are laid out for
    // the style's device, so `run` must be drawn on that device.
    void AddLaidOut(CellRun& run, qsizetype cell, QStringView field) const;
    // Draws `run` with the baseline of cell 0 at `origin`.
    void DrawCells(QPainter& painter, const QPointF& origin, const CellRun& run) const;

private:
    QFont font_;
    QFontMetricsF metrics_;
    QRawFont raw_;
    bool fixedPitch_;
    qreal pitch_;
    mutable ShapedFieldCache shaped_;  // drawing a field fills it; it never changes what is drawn
};

}  // namespace quillmere
