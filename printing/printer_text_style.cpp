#include "printer_text_style.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPointF>

namespace quillmere {

PrinterTextStyle::PrinterTextStyle(const QFont& font, const QPaintDevice* device)
    : font_(font, device), metrics_(font_, device), raw_(QRawFont::fromFont(font_)) {
    if (QFontInfo(font_).fixedPitch() && raw_.isValid()) {
        const QList<quint32> blank = raw_.glyphIndexesForString(QStringLiteral(" "));
        if (blank.size() == 1) {
            pitch_ = raw_.advancesForGlyphIndexes(blank).constFirst().x();
        }
    }
}

qreal PrinterTextStyle::Width(const QString& text) const {
    return pitch_ > 0 ? pitch_ * static_cast<qreal>(text.size()) : metrics_.horizontalAdvance(text);
}

void PrinterTextStyle::Draw(QPainter& painter, const QPointF& origin, const QString& text) const {
    if (!DrawOnColumns(painter, origin, text)) {
        painter.drawText(origin, text);
    }
}

bool PrinterTextStyle::DrawOnColumns(QPainter& painter, const QPointF& origin, const QString& text) const {
    if (pitch_ <= 0) {
        return false;
    }
    const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
    if (glyphs.size() != text.size()) {
        return false;  // surrogate pairs: leave them to the text engine
    }
    // Filled through plain pointers: this loop runs for every character of
    // every line of the report.
    QList<quint32> inked(glyphs.size());
    QList<QPointF> positions(glyphs.size());
    quint32* glyph = inked.data();
    QPointF* position = positions.data();
    const QChar* character = text.constData();
    for (qsizetype column = 0; column < text.size(); ++column) {
        if (character[column] == u' ') {
            continue;
        }
        if (glyphs[column] == 0) {
            return false;  // a character the font lacks: let fallback find it
        }
        *glyph++ = glyphs[column];
        *position++ = QPointF(pitch_ * static_cast<qreal>(column), 0);
    }
    inked.resize(glyph - inked.data());
    positions.resize(position - positions.data());
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(inked);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
    return true;
}

}  // namespace quillmere
