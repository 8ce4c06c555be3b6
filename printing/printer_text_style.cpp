#include "printing/printer_text_style.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPointF>

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
    GlyphBatch::FontGlyphs& cells = run.glyphs_.Of(raw_);
    for (int i = 0; i < count; ++i) {
        if (field[i] == u' ') continue;  // a blank leaves no ink
        cells.glyphs.append(glyphs[i]);
        cells.positions.append(QPointF(pitch_ * static_cast<qreal>(cell + i), 0));
    }
    return true;
}

void PrinterTextStyle::AddLaidOut(CellRun& run, qsizetype cell, QStringView field) const {
    shaped_.Add(run.glyphs_, QPointF(pitch_ * static_cast<qreal>(cell), 0), field);
}

void PrinterTextStyle::DrawCells(QPainter& painter, const QPointF& origin, const CellRun& run) const {
    for (const GlyphBatch::FontGlyphs& same : run.glyphs_.Fonts()) {
        QGlyphRun glyphs;
        glyphs.setRawFont(same.font);
        glyphs.setGlyphIndexes(same.glyphs);
        glyphs.setPositions(same.positions);
        painter.drawGlyphRun(origin, glyphs);
    }
}

}  // namespace quillmere
