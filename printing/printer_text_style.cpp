#include "printing/printer_text_style.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPointF>

#include <algorithm>
#include <array>
#include <optional>

namespace quillmere {
namespace {

// Whether a character needs text layout to be drawn right: anything that can
// take part in right-to-left reordering or shaping, or that is half of a
// surrogate pair. Left-to-right letters, digits, punctuation and blanks don't.
bool NeedsLayout(QChar character) {
    if (character.isSurrogate()) return true;
    switch (character.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirWS:
        case QChar::DirON:
            return false;
        default:
            return true;
    }
}

// The advance of a blank in `raw`, when `font` is fixed-pitch and has one.
std::optional<qreal> FixedPitch(const QFont& font, const QRawFont& raw) {
    if (!QFontInfo(font).fixedPitch() || !raw.isValid()) return std::nullopt;
    const QList<quint32> blank = raw.glyphIndexesForString(QStringLiteral(" "));
    if (blank.size() != 1) return std::nullopt;
    return raw.advancesForGlyphIndexes(blank).constFirst().x();
}

}  // namespace

PrinterTextStyle::PrinterTextStyle(const QFont& font, const QPaintDevice* device)
    : font_(font, device),
      metrics_(font_, device),
      raw_(QRawFont::fromFont(font_)),
      device_(device),
      fixedPitch_(FixedPitch(font_, raw_).has_value()),
      pitch_(FixedPitch(font_, raw_).value_or(metrics_.averageCharWidth())),
      shaped_(font_, device, pitch_) {}

bool PrinterTextStyle::AddToCells(CellRun& run, qsizetype cell, QStringView field) const {
    if (!fixedPitch_) return false;
    for (const QChar character : field) {
        if (NeedsLayout(character)) return false;
    }
    const auto count = static_cast<int>(field.size());
    std::array<quint32, 64> local{};
    QList<quint32> heap;
    quint32* glyphs = local.data();
    if (count > static_cast<int>(local.size())) {
        heap.resize(count);
        glyphs = heap.data();
    }
    int glyphCount = count;
    if (!raw_.glyphIndexesForChars(field.data(), count, glyphs, &glyphCount) || glyphCount != count) return false;
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] == 0 && field[i] != u' ') return false;  // a character the font lacks: fallback finds it
    }
    CellRun::FontRun& cells = run.For(raw_);
    for (int i = 0; i < count; ++i) {
        if (field[i] == u' ') continue;  // a blank leaves no ink
        cells.glyphs.append(glyphs[i]);
        cells.positions.append(QPointF(pitch_ * static_cast<qreal>(cell + i), 0));
    }
    return true;
}

void PrinterTextStyle::AddLaidOut(CellRun& run, qsizetype cell, QStringView field) const {
    const ShapedField shaped = shaped_.Shape(field);
    const QPointF offset(pitch_ * static_cast<qreal>(cell), -shaped.ascent);  // from the baseline of cell 0
    for (const QGlyphRun& glyphs : shaped.runs) {
        CellRun::FontRun& same = run.For(glyphs.rawFont());
        same.glyphs.append(glyphs.glyphIndexes());
        for (const QPointF& position : glyphs.positions()) same.positions.append(offset + position);
    }
}

PrinterTextStyle::CellRun::FontRun& PrinterTextStyle::CellRun::For(const QRawFont& font) {
    const auto known = std::find_if(fonts_.begin(), fonts_.end(), [&](const FontRun& run) { return run.font == font; });
    if (known != fonts_.end()) return *known;
    return fonts_.emplace_back(FontRun{font, {}, {}});
}

void PrinterTextStyle::DrawCells(QPainter& painter, const QPointF& origin, const CellRun& run) const {
    for (const CellRun::FontRun& same : run.fonts_) {
        QGlyphRun glyphs;
        glyphs.setRawFont(same.font);
        glyphs.setGlyphIndexes(same.glyphs);
        glyphs.setPositions(same.positions);
        painter.drawGlyphRun(origin, glyphs);
    }
}

// A paragraph of its own, in the direction its first strong character
// gives, always starting at the field's left edge. Painted on another device
// than the style's, the field is laid out for that device afresh.
void PrinterTextStyle::DrawLaidOut(QPainter& painter, const QPointF& origin, QStringView field) const {
    const ShapedField shaped = painter.device() == device_
                                   ? shaped_.Shape(field)
                                   : ShapedFieldCache(font_, painter.device(), pitch_).LayOut(field.toString());
    const QPointF topLeft(origin.x(), origin.y() - shaped.ascent);
    for (const QGlyphRun& run : shaped.runs) painter.drawGlyphRun(topLeft, run);
}

}  // namespace quillmere
