#include "printing/printer_text_style.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPointF>
#include <QTextLayout>

#include <array>

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

}  // namespace

PrinterTextStyle::PrinterTextStyle(const QFont& font, const QPaintDevice* device)
    : font_(font, device), metrics_(font_, device), raw_(QRawFont::fromFont(font_)) {
    pitch_ = metrics_.averageCharWidth();
    if (QFontInfo(font_).fixedPitch() && raw_.isValid()) {
        const QList<quint32> blank = raw_.glyphIndexesForString(QStringLiteral(" "));
        if (blank.size() == 1) {
            pitch_ = raw_.advancesForGlyphIndexes(blank).constFirst().x();
            fixedPitch_ = true;
        }
    }
}

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
    for (int i = 0; i < count; ++i) {
        if (field[i] == u' ') continue;  // a blank leaves no ink
        run.glyphs_.append(glyphs[i]);
        run.positions_.append(QPointF(pitch_ * static_cast<qreal>(cell + i), 0));
    }
    return true;
}

void PrinterTextStyle::DrawCells(QPainter& painter, const QPointF& origin, const CellRun& run) const {
    if (run.IsEmpty()) return;
    QGlyphRun glyphs;
    glyphs.setRawFont(raw_);
    glyphs.setGlyphIndexes(run.glyphs_);
    glyphs.setPositions(run.positions_);
    painter.drawGlyphRun(origin, glyphs);
}

// A paragraph of its own, in the direction its first strong character
// gives, always starting at the field's left edge.
void PrinterTextStyle::DrawLaidOut(QPainter& painter, const QPointF& origin, QStringView field) const {
    const QString text = field.toString();
    QTextLayout layout(text, font_, painter.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(pitch_ * static_cast<qreal>(4 * text.size() + 8));
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    layout.draw(&painter, QPointF(origin.x(), origin.y() - line.ascent()));
}

}  // namespace quillmere
