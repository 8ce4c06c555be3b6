#include "schedule_report.h"

#include <gtest/gtest.h>

#include "report_fixtures.h"

namespace quillmere {
namespace {

using testing::RecordingPrinter;
using Texts = std::vector<std::string>;

const std::string kTitle = "                         Loan Payment Schedule               Page: ";
const std::string kHeader = "  Date       Number    Payment       Interest       Applied       New Balance";

// The six fields of a row line, blanks trimmed; the line must be 83 wide.
Texts Fields(const std::string& line) {
    EXPECT_EQ(line.size(), 83U) << line;
    Texts fields;
    for (std::size_t start = 0; const int width : kReportFieldWidths) {
        std::string field = line.substr(start, width);
        fields.push_back(field.erase(field.find_last_not_of(' ') + 1));
        start += width;
    }
    return fields;
}

RecordingPrinter Print(const ScheduleGrid& grid) {
    RecordingPrinter printer;
    PrintScheduleReport(printer, grid);
    return printer;
}

TEST(ScheduleReport, WorkedExampleIsOnePageOfFourteenLines) {
    const RecordingPrinter printer = Print(testing::WorkedExampleGrid());
    ASSERT_EQ(printer.Sheets(), 1);
    const auto& page = printer.pages[0];
    ASSERT_EQ(page.size(), 14U);
    EXPECT_EQ(page[0], kTitle + "1");
    EXPECT_EQ(page[2], kHeader);
    for (const int empty : {1, 3, 6, 8, 10, 12}) {
        EXPECT_EQ(page[empty], "") << "line " << empty;
    }
    EXPECT_EQ(Fields(page[4]), (Texts{"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98"}));
    EXPECT_EQ(page[4].find("$669.98"), 68U);
    EXPECT_EQ(Fields(page[7]), (Texts{"Year Totals", "", "$680.04", "$16.70", "$663.34", ""}));
    EXPECT_EQ(Fields(page[13]), (Texts{"", "Totals", "$1,020.07", "$20.07", "", ""}));
    EXPECT_EQ(page[13].find("Totals"), 15U);
    const Texts head(printer.calls.begin(), printer.calls.begin() + 7);
    EXPECT_EQ(head, (Texts{"font Terminal", "size 14", "print", "size 10", "bold on", "print", "bold off"}));
}

TEST(ScheduleReport, SixtyRowsToAPageWithoutAnEmptySheetAtTheEnd) {
    ScheduleGrid grid;
    ResetGrid(grid);
    const RecordingPrinter empty = Print(grid);
    ASSERT_EQ(empty.Sheets(), 1);
    EXPECT_EQ(empty.pages[0], (Texts{kTitle + "1", "", kHeader, "", std::string(83, ' ')}));

    grid.SetRows(61);
    EXPECT_EQ(Print(grid).Sheets(), 1);
    grid.SetRows(62);  // row 61, a year-totals row, alone on page 2
    grid.SetTextMatrix(61, kColDate, "Year Totals");
    const RecordingPrinter printer = Print(grid);
    ASSERT_EQ(printer.Sheets(), 2);
    EXPECT_EQ(printer.pages[0].size(), 64U);
    const auto& second = printer.pages[1];
    ASSERT_EQ(second.size(), 7U);
    EXPECT_EQ(second[0], kTitle + "2");
    EXPECT_EQ(second[2], kHeader);
    EXPECT_EQ(second[3] + second[4] + second[6], "");
    EXPECT_EQ(Fields(second[5])[0], "Year Totals");
    EXPECT_EQ(Texts(printer.calls.end() - 2, printer.calls.end()), (Texts{"new page", "end doc"}));
}

TEST(ScheduleReport, FieldsAreCutToWidthAndOnlyTheExactMarkerSeparates) {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(4);
    testing::SetRow(grid, 1, {"year totals", "123456789", "$123,456,789.0123", "1.234,56 €", "", ""});
    grid.SetTextMatrix(1, kColNotes, "never printed");
    testing::SetRow(grid, 2, {"Year Totals ", "", "", "", "", ""});
    testing::SetRow(grid, 3, {"Year Totals", "", "", "", "", "$9,999,999,999,999.99"});
    const RecordingPrinter printer = Print(grid);
    const auto& page = printer.pages[0];

    ASSERT_EQ(page.size(), 9U);  // head, two plain rows, the marked row between empty lines
    EXPECT_EQ(page[4].substr(0, 38), "year totals    12345678$123,456,789.01");
    // Widths count characters: the three bytes of the euro sign are one of them.
    EXPECT_EQ(page[4].size(), 83U + 2U);
    EXPECT_EQ(page[4].substr(38, 17), "1.234,56 €     ");
    EXPECT_EQ(page[4].find("never"), std::string::npos);
    EXPECT_EQ(Fields(page[5])[0], "Year Totals");
    EXPECT_EQ(page[6] + page[8], "");
    EXPECT_EQ(Fields(page[7])[5], "$9,999,999,999,");
}

}  // namespace
}  // namespace quillmere
