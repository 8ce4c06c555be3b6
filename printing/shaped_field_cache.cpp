#include "printing/shaped_field_cache.h"

#include <QPainterPath>
#include <QPointF>
#include <QTextLayout>

#include <algorithm>

namespace quillmere {
namespace {

// A decimal digit of the Basic Multilingual Plane: its script's ten digits
// are the ten code points from its zero on, as Unicode encodes every one.
bool IsDigit(QChar character) {
    if (character.category() != QChar::Number_DecimalDigit) return false;
    const int value = character.digitValue();
    return value >= 0 && value <= 9 && QChar(static_cast<char16_t>(character.unicode() - value)).digitValue() == 0;
}

char16_t ZeroOf(QChar digit) { return static_cast<char16_t>(digit.unicode() - digit.digitValue()); }

// `field` with each digit replaced by its script's zero.
QString Zeros(QStringView field, bool& hasDigits) {
    QString zeros = field.toString();
    hasDigits = false;
    for (QChar& character : zeros) {
        if (IsDigit(character)) {
            character = QChar(ZeroOf(character));
            hasDigits = true;
        }
    }
    return zeros;
}

// Lays out `layout` the way the report draws a field: one line that never
// wraps, in the direction of the text's first strong character, from its
// left edge, its top-left at (0, 0).
QTextLine LayOutLine(QTextLayout& layout, qreal pitch) {
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(layout.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(pitch * static_cast<qreal>(4 * layout.text().size() + 8));
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return line;
}

// Whether `glyph` of `font` leaves no ink: a blank, a no-break space, a
// direction mark. Leaving it out changes nothing on the page and keeps a
// fallback font that only gives such marks out of the document.
bool IsBlank(const QRawFont& font, quint32 glyph) {
    return font.boundingRect(glyph).isEmpty() && font.pathForGlyph(glyph).isEmpty();
}

}  // namespace

ShapedFieldCache::ShapedFieldCache(const QFont& font, const QPaintDevice* device, qreal pitch)
    : font_(font), device_(device), pitch_(pitch) {}

ShapedField ShapedFieldCache::LayOut(const QString& field) const {
    ++layouts_;
    QTextLayout layout(field, font_, device_);
    const QTextLine line = LayOutLine(layout, pitch_);
    return {line.glyphRuns(), line.ascent()};
}

std::size_t GlyphBatch::Index(const QRawFont& font) {
    for (std::size_t index = 0; index < fonts_.size(); ++index) {
        if (fonts_[index].font == font) return index;
    }
    FontGlyphs& added = fonts_.emplace_back(FontGlyphs{font, {}, {}});
    added.glyphs.reserve(kGlyphsAtOnce);  // a report line's glyphs, without growing step by step
    added.positions.reserve(kGlyphsAtOnce);
    return fonts_.size() - 1;
}

void ShapedFieldCache::Add(GlyphBatch& batch, const QPointF& origin, QStringView field) {
    bool hasDigits = false;
    const QString zeros = Zeros(field, hasDigits);
    if (hasDigits) {
        if (templates_.size() >= kMaxTemplates && !templates_.contains(zeros)) templates_.clear();
        Seen& seen = templates_[zeros];
        if (!seen.tried && ++seen.times >= kTemplateAfter) {
            seen.shape = MakeTemplate(zeros);
            seen.tried = true;
        }
        if (seen.shape) {
            AddFilled(batch, origin, *seen.shape, field);
            return;
        }
    }
    const QString text = field.toString();
    auto known = texts_.constFind(text);
    if (known == texts_.constEnd()) {
        if (texts_.size() >= kMaxTexts) texts_.clear();
        known = texts_.insert(text, WithoutBlanks(LayOut(text)));
    }
    Add(batch, origin, *known);
}

void ShapedFieldCache::Add(GlyphBatch& batch, const QPointF& origin, const ShapedField& shaped) {
    const QPointF topLeft(origin.x(), origin.y() - shaped.ascent);
    for (const QGlyphRun& run : shaped.runs) {
        GlyphBatch::FontGlyphs& same = batch.Of(run.rawFont());
        same.glyphs.append(run.glyphIndexes());
        for (const QPointF& position : run.positions()) same.positions.append(topLeft + position);
    }
}

// The template's glyphs with the digits of `field` put in, straight into the
// batch.
void ShapedFieldCache::AddFilled(GlyphBatch& batch, const QPointF& origin, const Template& shape, QStringView field) {
    QVarLengthArray<std::pair<std::size_t, qsizetype>, 8> starts;  // each run's font in the batch, its first glyph
    const QPointF topLeft(origin.x(), origin.y() - shape.zeros.ascent);
    for (const QGlyphRun& run : shape.zeros.runs) {
        const std::size_t font = batch.Index(run.rawFont());
        GlyphBatch::FontGlyphs& same = batch.At(font);
        starts.append({font, same.glyphs.size()});
        same.glyphs.append(run.glyphIndexes());
        for (const QPointF& position : run.positions()) same.positions.append(topLeft + position);
    }
    auto slot = shape.digits.begin();  // the field has a digit for each, being a text of the template
    for (const QChar character : field) {
        if (!IsDigit(character) || slot == shape.digits.end()) continue;
        const auto [font, first] = starts[slot->run];
        batch.At(font).glyphs[first + slot->glyph] = slot->glyphs[static_cast<std::size_t>(character.digitValue())];
        ++slot;
    }
}

ShapedField ShapedFieldCache::WithoutBlanks(ShapedField shaped) {
    std::vector<DigitSlot> none;
    DropBlanks(shaped, none);
    return shaped;
}

// Leaves out the blank glyphs of `shaped` but those of `digits`, which then
// tell where their glyphs went; a run left without glyphs goes too.
void ShapedFieldCache::DropBlanks(ShapedField& shaped, std::vector<DigitSlot>& digits) {
    QList<QGlyphRun> kept;
    std::vector<qsizetype> runs(static_cast<std::size_t>(shaped.runs.size()), -1);  // old run to new
    for (qsizetype run = 0; run < shaped.runs.size(); ++run) {
        const QGlyphRun& old = shaped.runs[run];
        const QList<quint32> glyphs = old.glyphIndexes();
        const QList<QPointF> positions = old.positions();
        std::vector<qsizetype> moved(static_cast<std::size_t>(glyphs.size()), -1);  // old glyph to new
        QList<quint32> inkedGlyphs;
        QList<QPointF> inkedPositions;
        for (qsizetype glyph = 0; glyph < glyphs.size(); ++glyph) {
            const bool digit = std::any_of(digits.begin(), digits.end(), [&](const DigitSlot& slot) {
                return slot.run == run && slot.glyph == glyph;
            });
            if (!digit && IsBlank(old.rawFont(), glyphs[glyph])) continue;
            moved[static_cast<std::size_t>(glyph)] = inkedGlyphs.size();
            inkedGlyphs.append(glyphs[glyph]);
            inkedPositions.append(positions[glyph]);
        }
        for (DigitSlot& slot : digits) {
            if (slot.run == run) slot.glyph = moved[static_cast<std::size_t>(slot.glyph)];
        }
        if (inkedGlyphs.isEmpty()) continue;
        QGlyphRun inked = old;
        inked.setGlyphIndexes(inkedGlyphs);
        inked.setPositions(inkedPositions);
        runs[static_cast<std::size_t>(run)] = kept.size();
        kept.append(inked);
    }
    for (DigitSlot& slot : digits) slot.run = runs[static_cast<std::size_t>(slot.run)];
    shaped.runs = kept;
}

ShapedField ShapedFieldCache::Substituted(const Template& shape, const Digits& digits) {
    ShapedField shaped = shape.zeros;
    QList<QList<quint32>> glyphs;
    glyphs.reserve(shaped.runs.size());
    for (const QGlyphRun& run : shaped.runs) glyphs.append(run.glyphIndexes());
    for (std::size_t slot = 0; slot < shape.digits.size(); ++slot) {
        const DigitSlot& at = shape.digits[slot];
        glyphs[at.run][at.glyph] = at.glyphs[static_cast<std::size_t>(digits[static_cast<qsizetype>(slot)])];
    }
    for (qsizetype run = 0; run < shaped.runs.size(); ++run) shaped.runs[run].setGlyphIndexes(glyphs[run]);
    return shaped;
}

// Where the glyph of the template's digit at `index` stands: the one glyph
// of that character alone, found among the line's runs by font, glyph and
// position.
std::optional<ShapedFieldCache::DigitSlot> ShapedFieldCache::FindSlot(const QTextLine& line,
                                                                      const QList<QGlyphRun>& runs, int index) {
    const QList<QGlyphRun> own = line.glyphRuns(index, 1);
    if (own.size() != 1 || own.constFirst().glyphIndexes().size() != 1) return std::nullopt;
    const QGlyphRun& digit = own.constFirst();
    for (qsizetype run = 0; run < runs.size(); ++run) {
        if (runs[run].rawFont() != digit.rawFont()) continue;
        const QList<quint32> glyphs = runs[run].glyphIndexes();
        const QList<QPointF> positions = runs[run].positions();
        for (qsizetype glyph = 0; glyph < glyphs.size(); ++glyph) {
            if (glyphs[glyph] == digit.glyphIndexes().constFirst() &&
                positions[glyph] == digit.positions().constFirst()) {
                DigitSlot slot;
                slot.run = run;
                slot.glyph = glyph;
                slot.glyphs.fill(glyphs[glyph]);
                return slot;
            }
        }
    }
    return std::nullopt;
}

std::optional<ShapedFieldCache::Template> ShapedFieldCache::MakeTemplate(const QString& zeros) {
    Template shape;
    std::vector<qsizetype> indexes;  // of the digits in `zeros`
    {
        ++layouts_;
        QTextLayout layout(zeros, font_, device_);
        const QTextLine line = LayOutLine(layout, pitch_);
        shape.zeros = {line.glyphRuns(), line.ascent()};
        for (qsizetype index = 0; index < zeros.size(); ++index) {
            if (!IsDigit(zeros[index])) continue;
            const std::optional<DigitSlot> slot = FindSlot(line, shape.zeros.runs, static_cast<int>(index));
            if (!slot) return std::nullopt;
            for (const DigitSlot& other : shape.digits) {
                if (other.run == slot->run && other.glyph == slot->glyph) return std::nullopt;  // two digits, one glyph
            }
            shape.digits.push_back(*slot);
            indexes.push_back(index);
        }
    }
    // Each digit in each slot, the template filled with it throughout.
    for (int digit = 1; digit <= 9; ++digit) {
        const Digits digits(static_cast<qsizetype>(indexes.size()), digit);
        const ShapedField real = LayOut(Filled(zeros, indexes, digits));
        if (real.runs.size() != shape.zeros.runs.size()) return std::nullopt;
        for (DigitSlot& slot : shape.digits) {
            const QList<quint32> glyphs = real.runs[slot.run].glyphIndexes();
            if (slot.glyph >= glyphs.size()) return std::nullopt;
            slot.glyphs[static_cast<std::size_t>(digit)] = glyphs[slot.glyph];
        }
        if (!Matches(shape, digits, real)) return std::nullopt;
    }
    // Every pair of different digits next to each other, both ways round.
    for (int first = 0; first <= 9; ++first) {
        for (int second = first + 1; second <= 9; ++second) {
            Digits digits;
            for (std::size_t slot = 0; slot < indexes.size(); ++slot) digits.append(slot % 2 == 0 ? first : second);
            if (!Matches(shape, digits, LayOut(Filled(zeros, indexes, digits)))) return std::nullopt;
        }
    }
    DropBlanks(shape.zeros, shape.digits);
    return shape;
}

QString ShapedFieldCache::Filled(QString zeros, const std::vector<qsizetype>& indexes, const Digits& digits) {
    for (std::size_t slot = 0; slot < indexes.size(); ++slot) {
        QChar& character = zeros[indexes[slot]];
        character = QChar(static_cast<char16_t>(character.unicode() + digits[static_cast<qsizetype>(slot)]));
    }
    return zeros;
}

bool ShapedFieldCache::Matches(const Template& shape, const Digits& digits, const ShapedField& real) {
    const ShapedField substituted = Substituted(shape, digits);
    return substituted.ascent == real.ascent && substituted.runs == real.runs;
}

}  // namespace quillmere
