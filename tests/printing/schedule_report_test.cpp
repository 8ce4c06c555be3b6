#include "printing/schedule_report.h"

#include <gtest/gtest.h>

#include "tests/printing/report_fixtures.h"

namespace quillmere {
namespace {

using testing::RecordingPrinter;
using Texts = std::vector<std::string>;

const std::string kTitle = "                         Loan Payment Schedule               Page: ";
const std::string kHeader = "  Date       Number    Payment       Interest       Applied       New Balance";

// A row line of ASCII texts that fit their fields, each padded to its width.
std::string Row(const testing::RowTexts& texts) {
    std::string line;
    for (std::size_t c = 0, end = 0; c < 6; ++c) line.append(texts[c]).resize(end += kReportFieldWidths[c], ' ');
    return line;
}

TEST(ScheduleReport, WorkedExampleIsOnePageOfFourteenLines) {
    const RecordingPrinter printer(testing::Grid(testing::kWorkedExample));
    const auto& rows = testing::kWorkedExample;
    ASSERT_EQ(printer.pages,
              (std::vector<Texts>{{kTitle + "1", "", kHeader, "", Row(rows[0]), Row(rows[1]), "", Row(rows[2]), "",
                                   Row(rows[3]), "", Row(rows[4]), "", Row(rows[5])}}));
    EXPECT_EQ(printer.pages[0][4].find("$669.98"), 68U);
    EXPECT_EQ(printer.pages[0][13].find("Totals"), 15U);
    EXPECT_EQ(Texts(printer.calls.begin(), printer.calls.begin() + 11),
              (Texts{"font Terminal", "size 14", "fields 0", "print", "size 10", "fields 0 13 23 37 52 66", "bold on",
                     "print", "bold off", "fields 0 15 23 38 53 68", "print"}));
    EXPECT_EQ(ReportPageCount(testing::Grid(testing::kWorkedExample)), 1);
}

TEST(ScheduleReport, SixtyRowsToAPageWithoutAnEmptySheetAtTheEnd) {
    ScheduleGrid grid;
    ResetGrid(grid);
    EXPECT_EQ(RecordingPrinter(grid).pages,
              (std::vector<Texts>{{kTitle + "1", "", kHeader, "", std::string(83, ' ')}}));
    EXPECT_EQ(ReportPageCount(grid), 1);
    grid.SetRows(61);
    EXPECT_EQ(RecordingPrinter(grid).pages.size(), 1U);
    EXPECT_EQ(ReportPageCount(grid), 1);
    grid.SetRows(62);  // row 61, a year-totals row, alone on page 2
    grid.SetTextMatrix(61, kColDate, "Year Totals");
    const RecordingPrinter printer(grid);
    ASSERT_EQ(printer.pages.size(), 2U);
    EXPECT_EQ(ReportPageCount(grid), 2);
    EXPECT_EQ(printer.pages[0].size(), 64U);
    EXPECT_EQ(printer.pages[1], (Texts{kTitle + "2", "", kHeader, "", "", Row({"Year Totals"}), ""}));
    EXPECT_EQ(Texts(printer.calls.end() - 2, printer.calls.end()), (Texts{"new page", "end doc"}));
}

TEST(ScheduleReport, FieldsAreCutToWidthAndOnlyTheExactMarkerSeparates) {
    ScheduleGrid grid = testing::Grid({{"year totals", "123456789", "$123,456,789.0123", "1.234,56 €", "", ""},
                                       {"Year Totals ", "", "", "", "", ""},
                                       {"Year Totals", "", "", "", "", "$9,999,999,999,999.99"}});
    grid.SetTextMatrix(1, kColNotes, "never printed");
    // Widths count characters: the three bytes of the euro sign are one of them.
    EXPECT_EQ(RecordingPrinter(grid).pages[0],
              (Texts{kTitle + "1", "", kHeader, "",
                     "year totals    12345678$123,456,789.011.234,56 €     " + std::string(30, ' '),
                     Row({"Year Totals "}), "", Row({"Year Totals", "", "", "", "", "$9,999,999,999,"}), ""}));
}

}  // namespace
}  // namespace quillmere
