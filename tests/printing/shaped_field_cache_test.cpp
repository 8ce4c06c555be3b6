// The shaped-field cache against QTextLayout itself: whatever a field's
// script, its glyphs from the cache (by text or by digit template) are the
// ones a fresh layout gives, and drawn they put the same pixels down.
#include "printing/shaped_field_cache.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <set>

#include "money/locale_money_formatter.h"
#include "printing/printer_text_style.h"
#include "printing/report_font.h"
#include "printing/schedule_report.h"
#include "tests/schedule/fake_loan_window.h"

namespace quillmere {
namespace {

QFont BodyFont() {
    QFont font = ReportFont(QString::fromLatin1(kReportFontName.data(), kReportFontName.size()));
    font.setPointSize(kReportBodyPoints);
    return font;
}

// Every cell text of a 50-year schedule in `locale`, whole and cut to its
// field as the report prints it.
std::set<QString> FieldTexts(const char* locale) {
    testing::FakeLoanWindow window("250000", "600", "6.5");
    CalculateSchedule(window, LocaleMoneyFormatter(QLocale(QString::fromLatin1(locale))));
    std::set<QString> texts;
    for (int row = 1; row < window.grid.Rows(); ++row) {
        for (int column = 0; column < 6; ++column) {
            const QString text = QString::fromStdString(window.grid.TextMatrix(row, column));
            if (text.isEmpty()) continue;
            texts.insert(text);
            texts.insert(text.left(kReportFieldWidths[static_cast<std::size_t>(column)]).trimmed());
        }
    }
    return texts;
}

// The glyphs `cache` adds for `text` are those of its own layout, by font,
// glyph and position, also behind the glyphs of another field.
void ExpectSame(ShapedFieldCache& cache, const ShapedFieldCache& reference, const QString& text) {
    const QPointF origin(123.5, 45.25);
    GlyphBatch cached;
    cache.Add(cached, QPointF(0, 0), u"١٢");
    cache.Add(cached, origin, text);
    GlyphBatch laidOut;
    ShapedFieldCache::Add(laidOut, QPointF(0, 0),
                          ShapedFieldCache::WithoutBlanks(reference.LayOut(QStringLiteral(u"١٢"))));
    ShapedFieldCache::Add(laidOut, origin, ShapedFieldCache::WithoutBlanks(reference.LayOut(text)));
    EXPECT_EQ(cached, laidOut) << text.toStdString();
}

TEST(ShapedFieldCache, GivesTheLayoutsGlyphsAndPositionsInEveryScript) {
    QPrinter printer(QPrinter::HighResolution);
    const QFont font(BodyFont(), &printer);
    const qreal pitch = PrinterTextStyle(BodyFont(), &printer).Pitch();
    for (const char* locale : {"ar_EG", "ja_JP", "hi_IN", "he_IL"}) {
        SCOPED_TRACE(locale);
        ShapedFieldCache cache(font, &printer, pitch);
        const ShapedFieldCache reference(font, &printer, pitch);
        const std::set<QString> texts = FieldTexts(locale);
        for (const QString& text : texts) ExpectSame(cache, reference, text);
        // Asked again, from the cache.
        for (const QString& text : texts) ExpectSame(cache, reference, text);
        // The templates carry the amounts and dates: far fewer layouts than texts.
        EXPECT_LT(cache.LayoutCount(), static_cast<qsizetype>(texts.size()) / 4) << texts.size() << " texts";
    }
    // Texts a template may not serve (a mark on a digit, digits of two
    // scripts, digits in a right-to-left sentence, a lone surrogate), and
    // one cache filled past its bounds, are still laid out right.
    ShapedFieldCache cache(font, &printer, pitch);
    const ShapedFieldCache reference(font, &printer, pitch);
    QStringList texts = {QStringLiteral(u"٣\u0651٤ ج.م."),
                         QStringLiteral(u"٢٠٠٧/01/15"),
                         QStringLiteral(u"שנה 12 חודש 345"),
                         QStringLiteral(u"१२३४.५६"),
                         QString(QChar(0xd800)) + QStringLiteral(u"12"),
                         QStringLiteral(u"１２３")};
    for (const QString& text : texts) ExpectSame(cache, reference, text);
    for (int n = 0; n < ShapedFieldCache::kMaxTemplates + 10; ++n) {
        QString text = QStringLiteral(u"￥") + QString::number(n % 10);  // then n in letters: a template each
        for (int rest = n; rest > 0; rest /= 26) text += QChar(u'a' + rest % 26);
        GlyphBatch unused;
        for (int time = 1; time < ShapedFieldCache::kTemplateAfter; ++time) cache.Add(unused, QPointF(0, 0), text);
        ExpectSame(cache, reference, text);
    }
}

// The style draws a laid-out field as the layout itself would: same pixels,
// wherever its cell and whatever else shares the line's runs.
TEST(ShapedFieldCache, AFieldDrawnFromTheCacheCoversTheLayoutsPixels) {
    QImage canvas(1600, 60, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(11811);  // 300 dpi
    canvas.setDotsPerMeterY(11811);
    const PrinterTextStyle style(BodyFont(), &canvas);
    const qreal baseline = 40;
    for (const QString& text :
         {QStringLiteral(u"١٬٥٦٢٫٥٠\u00a0ج.م.\u200f"), QStringLiteral(u"￥18,750"), QStringLiteral(u"₹2,50,000.00"),
          QStringLiteral(u"١٥/٠١/٢٠٠٧"), QStringLiteral(u"ج.م.\u200f")}) {
        SCOPED_TRACE(text.toStdString());
        PrinterTextStyle::CellRun unused;  // enough texts of its template to make one
        for (int time = 1; time < ShapedFieldCache::kTemplateAfter; ++time) style.AddLaidOut(unused, 0, text);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            painter.setFont(style.Font());
            PrinterTextStyle::CellRun run;
            ASSERT_TRUE(style.AddToCells(run, 0, u"01/15/2007"));
            style.AddLaidOut(run, 20, text);
            style.AddLaidOut(run, 40, text);
            style.DrawCells(painter, QPointF(0, baseline), run);
        }
        const QImage cached = canvas.copy();
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            painter.setFont(style.Font());
            PrinterTextStyle::CellRun run;
            ASSERT_TRUE(style.AddToCells(run, 0, u"01/15/2007"));
            style.DrawCells(painter, QPointF(0, baseline), run);
            for (const int cell : {20, 40}) {
                QTextLayout layout(text, style.Font(), &canvas);
                QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
                option.setWrapMode(QTextOption::NoWrap);
                option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
                layout.setTextOption(option);
                layout.beginLayout();
                QTextLine line = layout.createLine();
                line.setLineWidth(style.Pitch() * static_cast<qreal>(4 * text.size() + 8));
                line.setPosition(QPointF(0, 0));
                layout.endLayout();
                layout.draw(&painter, QPointF(style.Pitch() * cell, baseline - line.ascent()));
            }
        }
        EXPECT_EQ(cached, canvas);
    }
}

}  // namespace
}  // namespace quillmere
