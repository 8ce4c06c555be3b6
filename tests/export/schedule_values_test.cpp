// The grid read back as values: the CSV of values byte for byte, amounts
// exact in every locale, payment dates given their century and fitted into
// their month, and the clipboard's HTML table.
#include <gtest/gtest.h>

#include <limits>

#include "export/schedule_html.h"
#include "export/spreadsheet_formats.h"
#include "export/values_csv.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

const LocaleMoneyFormatter& UsMoney() {
    static const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    return money;
}

TEST(ScheduleValues, ValuesCsvOfTheWorkedExample) {
    const ScheduleGrid grid = CalculatedGrid(UsMoney(), "1000", "3", "12");
    EXPECT_EQ(ValuesCsvText(ReadScheduleValues(grid, UsMoney(), 2007)),
              "Date,Number,Payment,Interest,Applied,Balance,Notes\r\n"
              "2007-11-15,1,340.02,10.00,330.02,669.98,\r\n"
              "2007-12-15,2,340.02,6.70,333.32,336.66,\r\n"
              "Year Totals,,680.04,16.70,663.34,,\r\n"
              "2008-01-15,3,340.02,3.37,336.66,0.00,\r\n"
              "Year Totals,,340.02,3.37,336.66,,\r\n"
              // The program's own total, as on screen, not 3 x 340.02.
              ",Totals,1020.07,20.07,,,\r\n");
    // The totals rows are known by their kind, whatever their labels say.
    ScheduleGrid relabelled = grid;
    relabelled.SetTextMatrix(3, kColDate, "Jahressummen");
    relabelled.SetTextMatrix(6, kColNumber, "Summen");
    relabelled.SetTextMatrix(4, kColNotes, "Totals");
    const ScheduleValues values = ReadScheduleValues(relabelled, UsMoney(), 2007);
    EXPECT_EQ(values.rows[2].kind, ScheduleRowValues::Kind::YearTotals);
    EXPECT_EQ(values.rows[3].kind, ScheduleRowValues::Kind::Payment);
    EXPECT_EQ(values.Totals()->cells[kColNumber].text, "Summen");
    EXPECT_EQ(PlainAmount({-5, 100}), "-0.05");
    EXPECT_EQ(PlainAmount({123456, 1}), "123456");
    EXPECT_EQ(PlainAmount({std::numeric_limits<std::int64_t>::min(), 100}), "-92233720368547758.08");
}

// Every amount of a long schedule reads back exactly, in locales with other
// separators, symbols after the number, no decimals or other digits.
TEST(ScheduleValues, EveryAmountReadsBackInEveryLocale) {
    for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP", "hi_IN", "ar_EG"}) {
        SCOPED_TRACE(name);
        const LocaleMoneyFormatter money{QLocale(QString::fromLatin1(name))};
        const ScheduleGrid grid = CalculatedGrid(money, "250000", "360", "6.5");
        const ScheduleValues values = ReadScheduleValues(grid, money, 2007);
        ASSERT_EQ(values.rows.size(), static_cast<std::size_t>(grid.Rows() - 1));
        int payments = 0;
        for (const ScheduleRowValues& row : values.rows) {
            for (const int col : {kColPayment, kColInterest, kColApplied, kColBalance}) {
                const CellValue& cell = row.cells[static_cast<std::size_t>(col)];
                if (cell.text.empty()) continue;
                ASSERT_EQ(cell.kind, CellValue::Kind::Money) << cell.text;
                EXPECT_EQ(money.Format(cell.money), cell.text);
            }
            if (row.kind != ScheduleRowValues::Kind::Payment) continue;
            ++payments;
            EXPECT_EQ(row.cells[kColNumber].integer, payments);
            EXPECT_EQ(row.cells[kColDate].kind, CellValue::Kind::Date);
        }
        EXPECT_EQ(payments, 360);
        EXPECT_EQ(values.LastPayment()->cells[kColDate].date, QDate(2037, 10, 15));
        EXPECT_EQ(values.Totals()->cells[kColNumber].text, "Totals");
    }
}

// Payments from 31 January 2099: February has no 31st, 2100 is no leap
// year, and the two-digit years turn over to 00.
TEST(ScheduleValues, PaymentDatesKeepTheirCenturyAndFitTheirMonth) {
    const ScheduleGrid grid = CalculatedGrid(UsMoney(), "1000", "14", "5", {31, 1, 2099});
    const ScheduleValues values = ReadScheduleValues(grid, UsMoney(), 2099);
    std::vector<QDate> dates;
    for (const ScheduleRowValues& row : values.rows) {
        if (row.kind == ScheduleRowValues::Kind::Payment) dates.push_back(row.cells[kColDate].date);
    }
    ASSERT_EQ(dates.size(), 14U);
    EXPECT_EQ(grid.TextMatrix(2, kColDate), "02/31/99");
    EXPECT_EQ(dates[1], QDate(2099, 2, 28));
    EXPECT_EQ(dates[11], QDate(2099, 12, 31));
    EXPECT_EQ(dates[13], QDate(2100, 2, 28));
    EXPECT_EQ(SpreadsheetDateSerial(QDate(2007, 11, 15)), 39401);
    // Beyond the spreadsheets' last day, a payment date stays text.
    const ScheduleValues late =
        ReadScheduleValues(CalculatedGrid(UsMoney(), "1000", "14", "5", {1, 1, 9999}), UsMoney(), 9999);
    EXPECT_EQ(late.FirstPayment()->cells[kColDate].kind, CellValue::Kind::Date);
    EXPECT_EQ(late.LastPayment()->cells[kColDate].kind, CellValue::Kind::Text);
}

TEST(ScheduleValues, FormatsShowAmountsAndDatesAsTheGridDoes) {
    EXPECT_EQ(FormatsFor(UsMoney()).money, "\"$\"#,##0.00;\"($\"#,##0.00\")\"");
    EXPECT_EQ(FormatsFor(UsMoney()).date, "m\"/\"d\"/\"yyyy");
    const LocaleMoneyFormatter german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatsFor(german).money, "#,##0.00\"\u00a0\u20ac\";\"-\"#,##0.00\"\u00a0\u20ac\"");
    EXPECT_EQ(FormatsFor(german).date, "dd\".\"mm\".\"yyyy");
    const LocaleMoneyFormatter japanese(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(FormatsFor(japanese).money, "\"\uffe5\"#,##0;\"(\uffe5\"#,##0\")\"");
    EXPECT_EQ(FormatsFor(japanese).date, "yyyy\"/\"mm\"/\"dd");
}

TEST(ScheduleValues, ClipboardTableCarriesTheValues) {
    const ScheduleGrid grid = CalculatedGrid(UsMoney(), "1000", "3", "12");
    const ScheduleValues values = ReadScheduleValues(grid, UsMoney(), 2007);
    const std::string html = ScheduleHtmlTable(values, FormatsFor(UsMoney()), GridCellRange{1, 3, 0, 2});
    EXPECT_NE(html.find("<tr><th>Date</th><th>Number</th><th>Payment</th></tr>"), std::string::npos);
    EXPECT_NE(html.find("<td sdval=\"39401\" sdnum=\"1033;1033;YYYY-MM-DD\" x:num=\"39401\" "
                        "style=\"mso-number-format:&quot;m\\0022 /\\0022 d\\0022 /\\0022 yyyy&quot;\">11/15/07</td>"),
              std::string::npos);
    EXPECT_NE(
        html.find(
            "<td sdval=\"340.02\" sdnum=\"1033;0;General\" x:num=\"340.02\" "
            "style=\"mso-number-format:&quot;\\0022 $\\0022 #,##0.00;\\0022 ($\\0022 #,##0.00\\0022 )\\0022 &quot;\">"
            "$340.02</td>"),
        std::string::npos);
    EXPECT_NE(html.find("<tr style=\"font-weight:bold\"><td>Year Totals</td><td></td>"), std::string::npos);
    EXPECT_EQ(html.find("Balance"), std::string::npos);   // only the selected columns
    EXPECT_EQ(html.find("01/15/08"), std::string::npos);  // and rows
    // A selection past the schedule's end is cut to it.
    EXPECT_EQ(ScheduleHtmlTable(values, FormatsFor(UsMoney()), GridCellRange{1, 99, 0, 99}),
              ScheduleHtmlTable(values, FormatsFor(UsMoney()), GridCellRange{1, 6, 0, 6}));
    EXPECT_EQ(HtmlEscaped("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
}

}  // namespace
}  // namespace quillmere
