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
    grid.SetRowKind(61, GridRowKind::YearTotals);
    const RecordingPrinter printer(grid);
    ASSERT_EQ(printer.pages.size(), 2U);
    EXPECT_EQ(ReportPageCount(grid), 2);
    EXPECT_EQ(printer.pages[0].size(), 64U);
    EXPECT_EQ(printer.pages[1], (Texts{kTitle + "2", "", kHeader, "", "", Row({"Year Totals"}), ""}));
    EXPECT_EQ(Texts(printer.calls.end() - 2, printer.calls.end()), (Texts{"new page", "end doc"}));
}

// A year-totals row is known by the kind the grid gives it, never by its
// label, which is in the user's language.
TEST(ScheduleReport, OnlyYearTotalsRowsSeparateWhateverTheirLabelAndNotesNeverPrint) {
    ScheduleGrid grid = testing::Grid(
        {{"Jahressummen", "", "", "", "", ""}, {"Year Totals", "", "", "", "", ""}, {"", "Summen", "", "", "", ""}});
    grid.SetRowKind(1, GridRowKind::YearTotals);
    grid.SetRowKind(2, GridRowKind::Payment);
    grid.SetRowKind(3, GridRowKind::Totals);
    grid.SetTextMatrix(1, kColNotes, "a note far longer than any field of the report");
    EXPECT_EQ(RecordingPrinter(grid).pages[0], (Texts{kTitle + "1", "", kHeader, "", "", Row({"Jahressummen"}), "",
                                                      Row({"Year Totals"}), Row({"", "Summen"})}));
}

// A cell too long for its field, or one that would touch the next field,
// widens its column for the whole document: nothing is ever cut, and the
// columns after it, header words included, move right by as much.
TEST(ScheduleReport, LongCellsWidenTheirColumnsOnEveryPage) {
    struct Case {
        testing::RowTexts cells;
        std::vector<int> rowColumns, headerColumns;
        std::string header;
    };
    const Case cases[] = {
        // Fifteen characters touch the next field: one more column for a blank.
        {{"", "", "$227,544,488.46", "$127,544,488.61", "", ""},
         {0, 15, 23, 39, 55, 70},
         {0, 13, 23, 38, 54, 68},
         "  Date       Number    Payment        Interest        Applied       New Balance"},
        // The principal ceiling's amounts, and a nine-digit number.
        {{"", "123456789", "$3,160,340,117,464.83", "", "", "$500,000,000,000,000.00"},
         {0, 15, 25, 47, 62, 77},
         {0, 13, 25, 46, 61, 75},
         "  Date       Number      Payment              Interest       Applied       New Balance"},
        // Widths count characters: the rupee sign's three bytes are one. A
        // fifteen-character balance needs no blank after it.
        {{"", "", "", "", "₹6,92,02,213.52", "₹4,42,02,213.49"},
         {0, 15, 23, 38, 53, 69},
         {0, 13, 23, 37, 52, 67},
         "  Date       Number    Payment       Interest       Applied        New Balance"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        std::vector<testing::RowTexts> rows(61, testing::kWorkedExample[0]);
        rows[60] = c.cells;  // alone on page 2, and still it widens page 1
        const RecordingPrinter printer(testing::Grid(rows));
        const auto fields = [](const std::vector<int>& columns) {
            std::string call = "fields";
            for (int column : columns) call += " " + std::to_string(column);
            return call;
        };
        EXPECT_EQ(std::ranges::count(printer.calls, fields(c.rowColumns)), 2);
        EXPECT_EQ(std::ranges::count(printer.calls, fields(c.headerColumns)), 2);
        ASSERT_EQ(printer.pages.size(), 2U);
        for (const auto& page : printer.pages) EXPECT_EQ(page[2], c.header);
        const std::string& line = printer.pages[1][4];
        const auto byteAt = [&line](int chars) {  // the byte where a character column begins
            std::size_t at = 0;
            for (; chars > 0 || (at < line.size() && (line[at] & 0xC0) == 0x80); ++at) {
                if ((line[at] & 0xC0) != 0x80) --chars;
            }
            return at;
        };
        for (std::size_t col = 0; col < 6; ++col) {
            // Each text whole at its column, and a blank before the next.
            const std::size_t at = byteAt(c.rowColumns[col]);
            EXPECT_EQ(line.compare(at, c.cells[col].size(), c.cells[col]), 0) << line;
            if (col < 5 && !c.cells[col].empty()) {
                EXPECT_EQ(line.substr(at + c.cells[col].size(), 1), " ") << line;
            }
        }
    }
}

// Words in the user's language: the title and page number as given, and a
// header word that leaves no blank before the next one (or runs past the
// line) widens its column as a long cell does. A wide character counts two.
TEST(ScheduleReport, TranslatedWordsWidenTheColumnsTheyNeed) {
    struct Case {
        std::array<std::string, 6> headers;
        std::vector<int> rowColumns, headerColumns;
        std::string header;
    };
    const Case cases[] = {
        // Words that fit keep the standard layout.
        {{"Datum", "Nummer", "Zahlung", "Zinsen", "Tilgung", "Neuer Saldo"},
         {0, 15, 23, 38, 53, 68},
         {0, 13, 23, 37, 52, 66},
         "  Datum      Nummer    Zahlung       Zinsen         Tilgung       Neuer Saldo"},
        // Fourteen characters over a field of eight; the last word past the line.
        {{"Fecha", "Número de pago", "Pago", "Interés", "Amortizado", "Saldo pendiente tras el pago"},
         {0, 15, 28, 43, 58, 73},
         {0, 13, 28, 42, 57, 71},
         "  Fecha      Número de pago Pago          Interés        Amortizado    Saldo pendiente tras el pago"},
        // Five ideographs, ten cells: one more than the Number column has.
        {{"日付", "支払い番号", "支払額", "利息", "元金", "残高"},
         {0, 15, 24, 39, 54, 69},
         {0, 13, 24, 38, 53, 67},
         "  日付         支払い番号      支払額           利息             元金            残高"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const ReportWords words{"Tilgungsplan", "Seite %1 von 1", c.headers};
        const RecordingPrinter printer(testing::Grid(testing::kWorkedExample), words);
        const auto fields = [](const std::vector<int>& columns) {
            std::string call = "fields";
            for (int column : columns) call += " " + std::to_string(column);
            return call;
        };
        EXPECT_EQ(std::ranges::count(printer.calls, fields(c.rowColumns)), 1);
        EXPECT_EQ(std::ranges::count(printer.calls, fields(c.headerColumns)), 1);
        ASSERT_EQ(printer.pages.size(), 1U);
        EXPECT_EQ(printer.pages[0][0], std::string(25, ' ') + "Tilgungsplan" + std::string(15, ' ') + "Seite 1 von 1");
        EXPECT_EQ(printer.pages[0][2], c.header);
    }
}

}  // namespace
}  // namespace quillmere
