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

#include "report_fixtures.h"
#include "schedule_report.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;

struct Word {
    double x0, y0, x1, y1;
    QString text;
};
struct PdfPage {
    double width, height;
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
        if (m.capturedLength(1) > 0) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else {
            pages.back().words.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                                          m.captured(6).toDouble(), m.captured(7)});
        }
    }
    return pages;
}

// A page's lines rebuilt from word positions. The column pitch comes from the
// header's "Date" (column 2) and "Balance" (column 70); the 14 pt title has
// 1.4 times that pitch.
Lines PageLines(PdfPage page) {
    std::sort(page.words.begin(), page.words.end(),
              [](const Word& a, const Word& b) { return std::abs(a.y0 - b.y0) > 1.0 ? a.y0 < b.y0 : a.x0 < b.x0; });
    const auto at = [&](const char* text) {
        return std::find_if(page.words.begin(), page.words.end(), [&](const Word& w) { return w.text == text; });
    };
    const double pitch = (at("Balance")->x0 - at("Date")->x0) / 68.0;
    const double origin = at("Date")->x0 - 2 * pitch;
    Lines lines;
    double top = -1;
    for (const Word& w : page.words) {
        if (std::abs(w.y0 - top) > 1.0) {
            lines.emplace_back();
            top = w.y0;
        }
        const auto column = std::lround((w.x0 - origin) / (lines.size() == 1 ? 1.4 * pitch : pitch));
        lines.back().resize(std::max<std::size_t>(lines.back().size(), column), ' ');
        lines.back() += w.text.toStdString();
    }
    return lines;
}

// What the report asks to be seen on each sheet: its lines, blank ones left out.
std::vector<Lines> ExpectedSheets(const ScheduleGrid& grid) {
    testing::RecordingPrinter recorder;
    PrintScheduleReport(recorder, grid);
    std::vector<Lines> sheets;
    for (const Lines& page : recorder.pages) {
        Lines seen;
        for (const std::string& line : page) {
            if (const auto end = line.find_last_not_of(' '); end != std::string::npos) {
                seen.push_back(line.substr(0, end + 1));
            }
        }
        if (!seen.empty()) {
            sheets.push_back(seen);
        }
    }
    return sheets;
}

bool PrintToPdf(const QString& file, QPageSize::PageSizeId size, const ScheduleGrid& grid) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(size));
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    return PrintScheduleTo(printer, grid);
}

TEST(PrintPdf, ColumnsPagesAndPageNumbersLandInsideLetterAndA4) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const ScheduleGrid example = testing::WorkedExampleGrid();
    const ScheduleGrid yearly = testing::YearlyGrid(61);  // a full first page, row 61 on page 2
    for (const auto size : {QPageSize::Letter, QPageSize::A4}) {
        for (const ScheduleGrid* grid : {&example, &yearly}) {
            SCOPED_TRACE(QPageSize::name(size).toStdString() + ", rows " + std::to_string(grid->Rows() - 1));
            ASSERT_TRUE(PrintToPdf(file, size, *grid));
            const std::vector<PdfPage> pages = ReadWords(file);
            const std::vector<Lines> expected = ExpectedSheets(*grid);
            ASSERT_EQ(pages.size(), expected.size());
            for (std::size_t p = 0; p < pages.size(); ++p) {
                EXPECT_EQ(PageLines(pages[p]), expected[p]) << "page " << p + 1;
                EXPECT_NEAR(pages[p].height, QPageSize(size).size(QPageSize::Point).height(), 1.0);
                const double margin = 36 - 0.5;  // half an inch, give or take rounding
                for (const Word& w : pages[p].words) {
                    EXPECT_TRUE(w.x0 >= margin && w.y0 >= margin && w.x1 <= pages[p].width - margin &&
                                w.y1 <= pages[p].height - margin)
                        << "page " << p + 1 << ": " << w.text.toStdString() << " at " << w.x0 << "," << w.y1;
                }
            }
        }
    }
    // A printer that cannot begin prints nothing and says so, without a word to the user.
    EXPECT_FALSE(PrintToPdf(QStringLiteral("/nonexistent/report.pdf"), QPageSize::A4, example));
}

}  // namespace
}  // namespace quillmere

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
