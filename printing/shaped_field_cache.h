// ShapedFieldCache: the glyphs of a report field laid out as a paragraph of
// its own (PrinterTextStyle's laid-out fields), shaped once and drawn many
// times.
//
// Laying out a field with QTextLayout (bidi, font fallback, shaping) costs
// far more than drawing its glyphs, and a schedule repeats itself: the same
// dates, the level payment, the currency sign, amounts that differ in their
// digits only. So the cache keeps
//  - the glyph runs of a text it has laid out, looked up by the text;
//  - for a text with digits, the runs of its template (every digit replaced
//    by its script's zero), and for each digit of the template where its
//    glyph stands and which glyph each of the ten digits puts there. A text
//    of that template is then drawn by putting its digits' glyphs in place.
//    A template costs 55 layouts, so it is made once 16 texts of it have
//    come (kTemplateAfter); the texts before are laid out one by one.
// A template is only used when that provably gives what laying out the text
// itself gives. It is laid out again with its digits all set to 1, to 2 ...
// to 9, and with every two different digits alternating in them; each of
// these 54 layouts must be exactly the substitution (the same runs, fonts,
// glyphs and positions). That holds when the digits have one advance, one
// font and shaping of their own (no kerning, ligature or contextual form
// that depends on a digit's value or its neighbour's), which a fixed-pitch
// font and the fallback fonts of the currency signs give. A template that
// fails goes on being laid out text by text, as does a text without digits.
//
// Glyphs that leave no ink (blanks, no-break spaces, direction marks) are
// left out, as PrinterTextStyle leaves blanks out of its cells: the page is
// the same, and a fallback font that only gave such a mark stays out of it.
//
// Both stores are bounded: one that fills up is emptied and filled anew, so
// a long document's memory stays flat. The cache belongs to one font on one
// paint device; the glyphs are in the device's units.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringView>
#include <QTextLine>
#include <QVarLengthArray>

#include <array>
#include <optional>
#include <vector>

class QPaintDevice;

namespace quillmere {

// Glyphs gathered to be drawn together: for each font, its glyphs and their
// positions, in the order they were added.
class GlyphBatch {
public:
    struct FontGlyphs {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        bool operator==(const FontGlyphs&) const = default;
    };

    [[nodiscard]] bool IsEmpty() const { return fonts_.empty(); }
    [[nodiscard]] const std::vector<FontGlyphs>& Fonts() const { return fonts_; }
    // The glyphs of `font`, to add to; Index() gives where they stay while
    // other fonts join, At() takes them from there.
    FontGlyphs& Of(const QRawFont& font) { return fonts_[Index(font)]; }
    [[nodiscard]] std::size_t Index(const QRawFont& font);
    FontGlyphs& At(std::size_t index) { return fonts_[index]; }

    bool operator==(const GlyphBatch&) const = default;

private:
    static constexpr qsizetype kGlyphsAtOnce = 128;
    std::vector<FontGlyphs> fonts_;
};

// A field laid out: its glyph runs, positioned as QTextLayout::draw() would
// draw them with the layout's top-left at (0, 0), and the ascent of its line,
// which puts the baseline at y = ascent.
struct ShapedField {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
};

class ShapedFieldCache {
public:
    // `pitch` is the width of a character cell; a field's line is laid out
    // wide enough for four cells a character, so it never wraps.
    ShapedFieldCache(const QFont& font, const QPaintDevice* device, qreal pitch);

    // Adds the glyphs of `field` to `batch`: laid out as a paragraph of its
    // own, in the direction its first strong character gives, starting at
    // its left edge, its baseline starting at `origin`.
    void Add(GlyphBatch& batch, const QPointF& origin, QStringView field);

    // Without any cache: what a QTextLayout of `field` gives, for comparison.
    [[nodiscard]] ShapedField LayOut(const QString& field) const;
    // `shaped` without the glyphs that leave no ink (blanks, direction
    // marks), as the cache keeps it.
    [[nodiscard]] static ShapedField WithoutBlanks(ShapedField shaped);
    // Adds `shaped` to `batch` as Add() does.
    static void Add(GlyphBatch& batch, const QPointF& origin, const ShapedField& shaped);

    // How many QTextLayouts it has made so far: what the cache saves shows here.
    [[nodiscard]] qsizetype LayoutCount() const { return layouts_; }

    // How many texts and templates the cache holds at most.
    static constexpr qsizetype kMaxTexts = 2048;
    static constexpr qsizetype kMaxTemplates = 512;
    // How many texts of a template come before it is made: a document with
    // few texts to each template then lays out at most about four times as
    // often as it would without the cache.
    static constexpr int kTemplateAfter = 16;

private:
    // A digit of a template: where its glyph stands in the runs, and the
    // glyph each digit value 0 to 9 puts there.
    struct DigitSlot {
        qsizetype run = 0;
        qsizetype glyph = 0;
        std::array<quint32, 10> glyphs{};
    };
    struct Template {
        ShapedField zeros;
        std::vector<DigitSlot> digits;  // in the order of the digits in the text
    };

    using Digits = QVarLengthArray<int, 32>;  // digit values 0 to 9, one per digit of a text

    static void AddFilled(GlyphBatch& batch, const QPointF& origin, const Template& shape, QStringView field);
    [[nodiscard]] std::optional<Template> MakeTemplate(const QString& zeros);
    static void DropBlanks(ShapedField& shaped, std::vector<DigitSlot>& digits);
    [[nodiscard]] static std::optional<DigitSlot> FindSlot(const QTextLine& line, const QList<QGlyphRun>& runs,
                                                           int index);
    // `zeros` with its digits at `indexes` set to `digits`.
    [[nodiscard]] static QString Filled(QString zeros, const std::vector<qsizetype>& indexes, const Digits& digits);
    // The template's runs with `digits` in its slots.
    [[nodiscard]] static ShapedField Substituted(const Template& shape, const Digits& digits);
    [[nodiscard]] static bool Matches(const Template& shape, const Digits& digits, const ShapedField& real);

    QFont font_;
    const QPaintDevice* device_;
    qreal pitch_;
    QHash<QString, ShapedField> texts_;
    struct Seen {
        int times = 0;                  // texts of the template met so far
        bool tried = false;             // whether MakeTemplate() has been called
        std::optional<Template> shape;  // none: laid out text by text
    };
    QHash<QString, Seen> templates_;
    mutable qsizetype layouts_ = 0;
};

}  // namespace quillmere
