// The report end to end: printed to PDF and read back with pdftotext -bbox,
// whose word boxes give back exact character columns.
#include "printing/print_schedule.h"
#include "printing/report_preview_dialog.h"
#include "printing/report_preview_view.h"
#include "printing/schedule_report.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <utility>

#include "money/locale_money_formatter.h"
#include "tests/printing/report_fixtures.h"
#include "tests/schedule/fake_loan_window.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;

struct Word {
    double left, top, right, bottom;
    QString text;
    [[nodiscard]] double Middle() const { return (top + bottom) / 2; }
};
struct PdfPage {
    QRectF sheet, inked;  // in points; inked: the words' bounding box
    std::vector<Word> words;
};

std::vector<PdfPage> ReadWords(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral(PDFTOTEXT_PATH), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    tool.waitForFinished();
    static const QRegularExpression tag(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
                            R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfPage> pages;
    for (const QRegularExpressionMatch& m : tag.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()))) {
        const auto at = [&](int n) { return m.captured(n).toDouble(); };
        if (m.capturedLength(1) > 0) {
            pages.push_back({QRectF(0, 0, at(1), at(2)), {}, {}});
        } else {
            pages.back().words.push_back({at(3), at(4), at(5), at(6), m.captured(7)});
            pages.back().inked |= QRectF(QPointF(at(3), at(4)), QPointF(at(5), at(6)));
        }
    }
    return pages;
}

// Where a page's character cells lie, from the header's "Date" (column 2)
// and "Balance" (column 70 when no column is widened).
struct Cells {
    double origin, pitch;
    [[nodiscard]] double X(int column) const { return origin + column * pitch; }
};
Cells CellsOf(const PdfPage& page, const ReportColumns& columns = {}) {
    const auto x = [&](const char* text) { return std::ranges::find(page.words, QString(text), &Word::text)->left; };
    const auto balance = static_cast<double>(columns.headerText.find("Balance"));
    const double pitch = (x("Balance") - x("Date")) / (balance - 2);
    return {x("Date") - 2 * pitch, pitch};
}

// A page's words in lines, top to bottom, each line left to right. Words of
// a line share their middle, whatever font drew them.
std::vector<std::vector<Word>> WordLines(PdfPage page) {
    std::ranges::sort(page.words, {}, [](const Word& w) { return std::pair(w.Middle(), w.left); });
    std::vector<std::vector<Word>> lines;
    for (double middle = -100; const Word& w : page.words) {
        if (w.Middle() - std::exchange(middle, w.Middle()) > 3) lines.emplace_back();
        lines.back().push_back(w);
    }
    for (auto& line : lines) std::ranges::sort(line, {}, &Word::left);
    return lines;
}

// A page's lines rebuilt from word positions. The 14 pt title has 1.4 times
// the body's pitch.
Lines PageLines(const PdfPage& page, const ReportColumns& columns = {}) {
    const Cells cells = CellsOf(page, columns);
    Lines lines;
    for (const auto& words : WordLines(page)) {
        std::string& line = lines.emplace_back();
        for (const Word& w : words) {
            const auto column = std::lround((w.left - cells.origin) / (lines.size() == 1 ? 1.4 : 1.0) / cells.pitch);
            line.resize(std::max<std::size_t>(line.size(), column), ' ');
            line += w.text.toStdString();
        }
    }
    return lines;
}

// What the report asks to be seen on each sheet: its lines, blank ones left out.
std::vector<Lines> VisibleLines(const ScheduleGrid& grid) {
    std::vector<Lines> sheets = testing::RecordingPrinter(grid).pages;
    for (Lines& sheet : sheets) {
        for (std::string& line : sheet) line.erase(line.find_last_not_of(' ') + 1);
        std::erase(sheet, "");
    }
    return sheets;
}

// The first character column of each field of a row line that holds more
// than blanks (columns count characters, not bytes).
std::vector<int> InkedFields(const std::string& line, const std::array<int, 6>& starts) {
    const QList<uint> characters = QString::fromStdString(line).toUcs4();
    std::vector<int> fields;
    for (std::size_t f = 0; f < starts.size(); ++f) {
        const int end = f + 1 < starts.size() ? starts[f + 1] : int(characters.size());
        for (int c = starts[f]; c < std::min<int>(end, int(characters.size())); ++c) {
            if (characters[c] != ' ') {
                fields.push_back(starts[f]);
                break;
            }
        }
    }
    return fields;
}

bool Print(QPrinter& printer, const QString& file, QPageSize::PageSizeId size, const ScheduleGrid& grid) {
    printer.setOutputFileName(file);  // a PDF, by its suffix
    printer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36)));
    return PrintScheduleTo(printer, grid).isEmpty();
}

bool Print(const QString& file, QPageSize::PageSizeId size, const ScheduleGrid& grid) {
    QPrinter printer(QPrinter::HighResolution);
    return Print(printer, file, size, grid);
}

ScheduleGrid Schedule(const char* locale, const char* principal, const char* months, const char* rate) {
    testing::FakeLoanWindow window(principal, months, rate);
    CalculateSchedule(window, LocaleMoneyFormatter(QLocale(QString::fromLatin1(locale))));
    return window.grid;
}

TEST(PrintPdf, ColumnsPagesAndPageNumbersLandInsideLetterAndA4) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    for (const ScheduleGrid& grid : {testing::Grid(testing::kWorkedExample), testing::YearlyGrid()}) {
        const std::vector<Lines> expected = VisibleLines(grid);
        for (const auto size : {QPageSize::Letter, QPageSize::A4}) {
            SCOPED_TRACE(QPageSize::name(size).toStdString() + ", rows: " + std::to_string(grid.Rows() - 1));
            ASSERT_TRUE(Print(file, size, grid));
            const std::vector<PdfPage> pages = ReadWords(file);
            ASSERT_EQ(pages.size(), expected.size());
            for (std::size_t p = 0; p < pages.size(); ++p) {
                EXPECT_EQ(PageLines(pages[p]), expected[p]) << "page " << p + 1;
                EXPECT_NEAR(pages[p].sheet.height(), QPageSize(size).size(QPageSize::Point).height(), 1.0);
                const double margin = 36 - 0.5;  // the half inch, give or take rounding
                EXPECT_TRUE(pages[p].sheet.adjusted(margin, margin, -margin, -margin).contains(pages[p].inked))
                    << "page " << p + 1 << ": words inside " << pages[p].inked.top() << " to "
                    << pages[p].inked.bottom();
            }
        }
    }
    // A printer that cannot begin prints nothing and says so, without a word to the user.
    EXPECT_FALSE(Print(QStringLiteral("/nonexistent/report.pdf"), QPageSize::A4, testing::YearlyGrid()));
}

// Every field of every row starts at its own column and ends before the next,
// on every page, at one pitch for the whole report, whatever the script; and
// amounts too long for the standard columns widen theirs instead of being
// cut (the principal ceiling; 2.5 and 500 crore in hi_IN).
TEST(PrintPdf, FieldsHoldTheirColumnsInEveryScriptAtOnePitch) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const std::pair<const char*, const char*> loans[] = {
        {"en_US", "250000"}, {"ar_EG", "250000"},   {"he_IL", "250000"},     {"ja_JP", "250000"},
        {"hi_IN", "250000"}, {"hi_IN", "25000000"}, {"hi_IN", "5000000000"}, {"en_US", "500000000000000"},
    };
    for (const auto& [locale, principal] : loans) {
        SCOPED_TRACE(std::string(locale) + " " + principal);
        const ScheduleGrid grid = Schedule(locale, principal, "360", "6.5");
        const ReportColumns columns = ReportColumnsFor(grid);
        ASSERT_TRUE(Print(file, QPageSize::Letter, grid));
        const std::vector<PdfPage> pages = ReadWords(file);
        const std::vector<Lines> expected = VisibleLines(grid);
        ASSERT_EQ(pages.size(), 7U);
        if (std::string_view(locale) == "en_US") {
            EXPECT_EQ(PageLines(pages[0], columns), expected[0]);
        }
        const Cells first = CellsOf(pages[0], columns);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const Cells cells = CellsOf(pages[p], columns);
            EXPECT_NEAR(cells.pitch, first.pitch, 0.001) << "page " << p + 1;
            EXPECT_NEAR(cells.origin, first.origin, 0.001) << "page " << p + 1;
            const auto lines = WordLines(pages[p]);
            ASSERT_EQ(lines.size(), expected[p].size()) << "page " << p + 1;
            for (const Word& w : lines[1]) {  // the header's words over their columns
                const auto column = static_cast<int>(columns.headerText.find(w.text.toStdString()));
                EXPECT_NEAR(w.left, cells.X(column), cells.pitch / 4) << w.text.toStdString();
            }
            const auto& starts = columns.rowColumns;
            for (std::size_t l = 2; l < lines.size(); ++l) {  // below the title and the header
                std::vector<int> inked;
                for (const Word& w : lines[l]) {
                    const int column = *std::ranges::find_if(
                        starts.rbegin(), starts.rend(), [&](int c) { return w.left > cells.X(c) - cells.pitch / 2; });
                    if (inked.empty() || inked.back() != column) {
                        inked.push_back(column);
                        EXPECT_NEAR(w.left, cells.X(column), cells.pitch / 4) << expected[p][l];
                    }
                    const auto next = std::ranges::upper_bound(starts, column);
                    if (next != starts.end()) {  // a blank's width at least before the next field
                        EXPECT_LT(w.right, cells.X(*next) - cells.pitch / 2) << expected[p][l];
                    }
                }
                EXPECT_EQ(inked, InkedFields(expected[p][l], starts)) << "page " << p + 1 << ": " << expected[p][l];
            }
        }
    }
}

TEST(PrintPdf, ChosenPagesKeepTheirNumbersAndThePitch) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("range.pdf"));
    const ScheduleGrid grid = Schedule("en_US", "250000", "360", "6.5");
    ASSERT_TRUE(Print(file, QPageSize::A4, grid));
    const Cells whole = CellsOf(ReadWords(file)[0]);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(Print(printer, file, QPageSize::A4, grid));
    const std::vector<PdfPage> pages = ReadWords(file);
    ASSERT_EQ(pages.size(), 2U);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(PageLines(pages[p]).front(), VisibleLines(grid)[p + 1].front());  // "... Page: 2", "... Page: 3"
        EXPECT_NEAR(CellsOf(pages[p]).pitch, whole.pitch, 0.001);
    }
}

// The rows of an image that hold ink, as bands from top to bottom: the
// lines of a page, in pixels.
std::vector<std::pair<int, int>> InkedBands(const QImage& image) {
    std::vector<std::pair<int, int>> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < image.width() && !inked; ++x) inked = qGray(image.pixel(x, y)) < 160;
        if (inked && !inBand) bands.emplace_back(y, y);
        if (inked) bands.back().second = y;
        inBand = inked;
    }
    return bands;
}

// The columns of an image that hold ink: its left and right ends.
std::pair<int, int> InkedColumns(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// The preview shows the sheets the print button would print, on the paper
// the print dialog starts with: as many, and the first and the last with
// their lines where the printed PDF has them.
TEST(PrintPdf, ThePreviewShowsThePrintedPages) {
    for (const ScheduleGrid& grid :
         {testing::Grid(testing::kWorkedExample), Schedule("en_US", "250000", "360", "6.5")}) {
        const std::unique_ptr<ReportPreviewDialog> preview = MakeSchedulePreview(nullptr, grid);
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        ASSERT_TRUE(Print(file, EnvironmentPageSize(), grid));
        const int sheets = preview->View().SheetCount();
        EXPECT_EQ(static_cast<std::size_t>(sheets), ReadWords(file).size());
        EXPECT_EQ(sheets, ReportPageCount(grid));
        for (const int sheet : {1, sheets}) {
            SCOPED_TRACE("sheet " + std::to_string(sheet));
            const QImage shown = preview->View().SheetImage(sheet, 850);
            QProcess tool;
            tool.start(QStringLiteral(PDFTOPPM_PATH),
                       {QStringLiteral("-png"), QStringLiteral("-f"), QString::number(sheet), QStringLiteral("-l"),
                        QString::number(sheet), QStringLiteral("-scale-to-x"), QString::number(shown.width()),
                        QStringLiteral("-scale-to-y"), QString::number(shown.height()), QStringLiteral("-singlefile"),
                        file, dir.filePath(QStringLiteral("printed"))});
            ASSERT_TRUE(tool.waitForFinished());
            const QImage printed(dir.filePath(QStringLiteral("printed.png")));
            ASSERT_EQ(printed.size(), shown.size());
            const auto shownBands = InkedBands(shown);
            const auto printedBands = InkedBands(printed);
            ASSERT_EQ(shownBands.size(), printedBands.size());
            for (std::size_t b = 0; b < shownBands.size(); ++b) {
                EXPECT_NEAR(shownBands[b].first, printedBands[b].first, 2) << "line " << b;
                EXPECT_NEAR(shownBands[b].second, printedBands[b].second, 2) << "line " << b;
            }
            const auto [shownLeft, shownRight] = InkedColumns(shown);
            const auto [printedLeft, printedRight] = InkedColumns(printed);
            EXPECT_NEAR(shownLeft, printedLeft, 2);
            EXPECT_NEAR(shownRight, printedRight, 2);
        }
    }
}

}  // namespace
}  // namespace quillmere
