// PrinterTextStyle: one font of the report, ready to measure and draw lines
// on a given printer.
//
// In a fixed-pitch font every character sits on its column, so a line is
// drawn as one run of glyphs at column positions: no text shaping, and the
// blanks between fields, which carry no ink, are not drawn at all. That keeps
// the longest schedule (about 11,000 lines) quick to print and its PDF small.
// A font that turns out not to be fixed pitch, or a line with a character the
// font lacks, goes through QPainter::drawText and its font fallback instead.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>

class QPainter;
class QPaintDevice;
class QPointF;

namespace quillmere {

class PrinterTextStyle {
public:
    PrinterTextStyle(const QFont& font, const QPaintDevice* device);

    [[nodiscard]] const QFont& Font() const { return font_; }
    [[nodiscard]] qreal Ascent() const { return metrics_.ascent(); }
    [[nodiscard]] qreal LineSpacing() const { return metrics_.lineSpacing(); }
    // Advance of `text` in device units.
    [[nodiscard]] qreal Width(const QString& text) const;

    // Draws `text` with its baseline starting at `origin`; the painter's font
    // must be Font().
    void Draw(QPainter& painter, const QPointF& origin, const QString& text) const;

private:
    bool DrawOnColumns(QPainter& painter, const QPointF& origin, const QString& text) const;

    QFont font_;
    QFontMetricsF metrics_;
    QRawFont raw_;
    qreal pitch_ = 0;  // the column width; 0 when the font is not fixed pitch
};

}  // namespace quillmere
