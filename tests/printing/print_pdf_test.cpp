// The report end to end: printed to PDF and read back with pdftotext -bbox,
// whose word boxes give back exact character columns.
#include "print_schedule.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <utility>

#include "report_fixtures.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;

struct Word {
    double left, top;
    QString text;
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
            pages.back().words.push_back({at(3), at(4), m.captured(7)});
            pages.back().inked |= QRectF(QPointF(at(3), at(4)), QPointF(at(5), at(6)));
        }
    }
    return pages;
}

// A page's lines rebuilt from word positions; a line's words share their top.
// The column pitch comes from the header's "Date" (column 2) and "Balance"
// (column 70); the 14 pt title has 1.4 times that pitch.
Lines PageLines(PdfPage page) {
    std::ranges::sort(page.words, {}, [](const Word& w) { return std::pair(w.top, w.left); });
    const auto x = [&](const char* text) { return std::ranges::find(page.words, QString(text), &Word::text)->left; };
    const double pitch = (x("Balance") - x("Date")) / 68.0;
    const double origin = x("Date") - 2 * pitch;
    Lines lines;
    for (double top = -1; const Word& w : page.words) {
        if (w.top != std::exchange(top, w.top)) lines.emplace_back();
        const auto column = std::lround((w.left - origin) / (lines.size() == 1 ? 1.4 * pitch : pitch));
        lines.back().resize(std::max<std::size_t>(lines.back().size(), column), ' ');
        lines.back() += w.text.toStdString();
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

TEST(PrintPdf, ColumnsPagesAndPageNumbersLandInsideLetterAndA4) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const auto print = [&](const QString& to, QPageSize::PageSizeId size, const ScheduleGrid& grid) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(to);  // a PDF, by its suffix
        printer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36)));
        return PrintScheduleTo(printer, grid);
    };
    for (const ScheduleGrid& grid : {testing::Grid(testing::kWorkedExample), testing::YearlyGrid()}) {
        const std::vector<Lines> expected = VisibleLines(grid);
        for (const auto size : {QPageSize::Letter, QPageSize::A4}) {
            SCOPED_TRACE(QPageSize::name(size).toStdString() + ", rows: " + std::to_string(grid.Rows() - 1));
            ASSERT_TRUE(print(file, size, grid));
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
    EXPECT_FALSE(print(QStringLiteral("/nonexistent/report.pdf"), QPageSize::A4, testing::YearlyGrid()));
}

}  // namespace
}  // namespace quillmere

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // headless, wherever it runs
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
