#include "schedule_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_printer.h"
#include "report_grids.h"

namespace quillmere {
namespace {

using testing::PrintedLine;
using testing::RecordingPrinter;

const std::string kTitle1 = "                         Loan Payment Schedule               Page: 1";
const std::string kHeader =
    "  Date       Number    Payment       Interest       Applied       New Balance";

// The six fields of a row line, as the reader of the sheet sees them.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (const int width : kReportFieldWidths) {
        std::string field = line.substr(start, width);
        field.erase(field.find_last_not_of(' ') + 1);
        fields.push_back(field);
        start += width;
    }
    return fields;
}

RecordingPrinter Print(const ScheduleGrid& grid) {
    RecordingPrinter printer;
    PrintScheduleReport(printer, grid);
    return printer;
}

ScheduleGrid NumberedGrid(int dataRows) {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(dataRows + 1);
    for (int row = 1; row <= dataRows; ++row) {
        grid.SetTextMatrix(row, kColNumber, std::to_string(row));
    }
    return grid;
}

TEST(ScheduleReport, WorkedExampleIsOnePageOfFourteenLines) {
    const RecordingPrinter printer = Print(testing::WorkedExampleGrid());

    ASSERT_EQ(printer.Sheets(), 1);
    const std::vector<PrintedLine>& page = printer.pages[0];
    std::vector<std::string> texts;
    for (const PrintedLine& line : page) {
        texts.push_back(line.text);
    }
    const std::string blank;
    ASSERT_EQ(texts.size(), 14U);
    EXPECT_EQ(texts[0], kTitle1);
    EXPECT_EQ(texts[2], kHeader);
    for (const int empty : {1, 3, 6, 8, 10, 12}) {
        EXPECT_EQ(texts[empty], blank) << "line " << empty;
    }
    for (const int row : {4, 5, 7, 9, 11, 13}) {
        EXPECT_EQ(texts[row].size(), 83U) << "line " << row;
    }
    EXPECT_EQ(Fields(texts[4]),
              (std::vector<std::string>{"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98"}));
    EXPECT_EQ(texts[4].find("$340.02"), 23U);
    EXPECT_EQ(texts[4].find("$669.98"), 68U);
    EXPECT_EQ(Fields(texts[7]),
              (std::vector<std::string>{"Year Totals", "", "$680.04", "$16.70", "$663.34", ""}));
    EXPECT_EQ(Fields(texts[13]),
              (std::vector<std::string>{"", "Totals", "$1,020.07", "$20.07", "", ""}));
    EXPECT_EQ(texts[13].find("Totals"), 15U);
    EXPECT_EQ(texts[13].find("$20.07"), 38U);

    // Title and its empty line at 14 pt, the header emphasised, the rest plain 10 pt.
    EXPECT_EQ(page[1].points, 14);
    EXPECT_TRUE(page[2].bold);
    EXPECT_EQ(page[2].points, 10);
    EXPECT_FALSE(page[4].bold);
    EXPECT_EQ(page[4].font, "Terminal");
    const std::vector<std::string> head(printer.calls.begin(), printer.calls.begin() + 7);
    EXPECT_EQ(head, (std::vector<std::string>{"font Terminal", "size 14", "print", "size 10",
                                              "bold on", "print", "bold off"}));
    EXPECT_EQ(printer.calls.back(), "end doc");
}

TEST(ScheduleReport, EmptyGridPrintsOnePageWithABlankRow) {
    ScheduleGrid grid;
    ResetGrid(grid);
    const RecordingPrinter printer = Print(grid);

    ASSERT_EQ(printer.Sheets(), 1);
    ASSERT_EQ(printer.pages[0].size(), 5U);
    EXPECT_EQ(printer.pages[0][0].text, kTitle1);
    EXPECT_EQ(printer.pages[0][4].text, std::string(83, ' '));
}

TEST(ScheduleReport, SixtyRowsToAPageAndNoEmptySheetAtTheEnd) {
    EXPECT_EQ(Print(NumberedGrid(60)).Sheets(), 1);

    const RecordingPrinter printer = Print(NumberedGrid(61));
    ASSERT_EQ(printer.Sheets(), 2);
    EXPECT_EQ(printer.pages[0].size(), 64U);
    const std::vector<PrintedLine>& second = printer.pages[1];
    ASSERT_EQ(second.size(), 5U);
    EXPECT_EQ(second[0].text, kTitle1.substr(0, kTitle1.size() - 1) + "2");
    EXPECT_EQ(second[2].text, kHeader);
    EXPECT_EQ(Fields(second[4].text)[1], "61");
    // The last page is ended, then the document: nothing in between.
    const std::vector<std::string> tail(printer.calls.end() - 2, printer.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"new page", "end doc"}));
}

TEST(ScheduleReport, YearTotalsFirstOnAPageKeepsItsEmptyLines) {
    ScheduleGrid grid = NumberedGrid(61);
    grid.SetTextMatrix(61, kColDate, "Year Totals");
    const RecordingPrinter printer = Print(grid);

    ASSERT_EQ(printer.Sheets(), 2);
    const std::vector<PrintedLine>& second = printer.pages[1];
    ASSERT_EQ(second.size(), 7U);
    EXPECT_EQ(second[3].text, "");
    EXPECT_EQ(second[4].text, "");
    EXPECT_EQ(Fields(second[5].text)[0], "Year Totals");
    EXPECT_EQ(second[6].text, "");
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

    const std::vector<PrintedLine>& page = printer.pages[0];
    ASSERT_EQ(page.size(), 9U);  // head, two plain rows, the marked row between empty lines
    EXPECT_EQ(Fields(page[4].text),
              (std::vector<std::string>{"year totals", "12345678", "$123,456,789.01", "1.234,56 €", "", ""}));
    // Widths count characters: the two-byte euro sign is one of them.
    EXPECT_EQ(page[4].text.size(), 83U + 2U);
    EXPECT_EQ(page[4].text.find("never"), std::string::npos);
    EXPECT_EQ(Fields(page[5].text)[0], "Year Totals");
    EXPECT_EQ(page[6].text, "");
    EXPECT_EQ(Fields(page[7].text)[5], "$9,999,999,999,");
    EXPECT_EQ(page[8].text, "");
}

TEST(ScheduleReport, PrinterFailureStopsTheReportUnended) {
    RecordingPrinter printer;
    printer.failAtPrint = 3;  // the first row
    EXPECT_THROW(PrintScheduleReport(printer, testing::WorkedExampleGrid()), std::runtime_error);
    EXPECT_EQ(printer.calls.back(), "print");
}

}  // namespace
}  // namespace quillmere
