#include "schedule/schedule_words.h"
#include "tests/schedule/fake_loan_window.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::FakeLoanWindow;
using testing::UsMoneyFormatter;
using Row = std::vector<std::string>;

const UsMoneyFormatter kMoney;

CalculationOutcome Calculate(FakeLoanWindow& w) { return CalculateSchedule(w, kMoney); }

Row GridRow(const FakeLoanWindow& w, int r) {
    Row row;
    for (int c = 0; c < ScheduleGrid::kColumns; ++c) row.push_back(w.Cell(r, c));
    return row;
}

TEST(LoanCalculationTest, WorkedExampleToTheCharacter) {
    FakeLoanWindow w("1000", "3", "12");
    ASSERT_EQ(Calculate(w), CalculationOutcome::Completed);
    EXPECT_EQ(w.Box(LoanBox::Payment), "$340.02");
    ASSERT_EQ(w.grid.Rows(), 7);
    const std::vector<Row> expected = {
        {"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98", ""},
        {"12/15/07", "2", "$340.02", "$6.70", "$333.32", "$336.66", ""},
        {"Year Totals", "", "$680.04", "$16.70", "$663.34", "", ""},
        {"01/15/08", "3", "$340.02", "$3.37", "$336.66", "$0.00", ""},
        {"Year Totals", "", "$340.02", "$3.37", "$336.66", "", ""},
        {"", "Totals", "$1,020.07", "$20.07", "", "", ""},
    };
    for (int r = 0; r < 6; ++r) EXPECT_EQ(GridRow(w, r + 1), expected[static_cast<std::size_t>(r)]) << r;
    EXPECT_EQ(w.Cell(0, 6), "Notes");
    EXPECT_TRUE(w.messages.empty());
    // A second click with the same inputs gives the same schedule, not more rows.
    ASSERT_EQ(Calculate(w), CalculationOutcome::Completed);
    EXPECT_EQ(w.grid.Rows(), 7);
}

TEST(LoanCalculationTest, TotalsRowsKnownByKindInAnyLanguage) {
    ScheduleWords german = EnglishScheduleWords();
    german.headers[kColDate] = "Datum";
    german.yearTotals = "Jahressumme";
    german.totals = "Summe";
    SetScheduleWords(german);
    FakeLoanWindow w("1000", "3", "12");
    Calculate(w);
    SetScheduleWords(EnglishScheduleWords());

    EXPECT_EQ(w.Cell(0, kColDate), "Datum");
    const std::vector<GridRowKind> kinds = {GridRowKind::Payment,    GridRowKind::Payment, GridRowKind::Payment,
                                            GridRowKind::YearTotals, GridRowKind::Payment, GridRowKind::YearTotals,
                                            GridRowKind::Totals};
    for (int r = 0; r < 7; ++r) EXPECT_EQ(w.grid.RowKind(r), kinds[static_cast<std::size_t>(r)]) << r;
    EXPECT_EQ(w.Cell(3, kColDate), "Jahressumme");
    EXPECT_EQ(w.Cell(6, kColNumber), "Summe");
    // Clearing makes every row a payment row again.
    ResetGrid(w.grid);
    w.grid.SetRows(7);
    for (int r = 0; r < 7; ++r) EXPECT_EQ(w.grid.RowKind(r), GridRowKind::Payment) << r;
}

TEST(LoanCalculationTest, WritesBackInTheOrderTheUserSeesIt) {
    FakeLoanWindow w("1,000", "0", "75%");
    Calculate(w);
    const std::vector<std::string> expected = {
        "SetText Rate 75",  "SetText Principal 1000", "SetText Months 0",       "SetText Months 0",
        "SetText Months 1", "SetText Rate 70",        "Info Consilidate ASAP)", "SetText Payment $1,058.33",
    };
    EXPECT_EQ(w.calls, expected);
    EXPECT_EQ(w.messages.at(0),
              "Consider loan consolidation or call the police, the legality of this loan is in question");
}

TEST(LoanCalculationTest, CleansAndBoundsEveryInput) {
    FakeLoanWindow empty("", "", "");
    Calculate(empty);
    EXPECT_EQ(empty.Box(LoanBox::Principal), "1");
    EXPECT_EQ(empty.Box(LoanBox::Months), "1");
    EXPECT_EQ(empty.Box(LoanBox::Rate), "");
    EXPECT_EQ(empty.Box(LoanBox::Payment), "$1.00");
    EXPECT_EQ(GridRow(empty, 1), (Row{"11/15/07", "1", "$1.00", "$0.00", "$1.00", "$0.00", ""}));
    EXPECT_EQ(empty.Cell(2, 0), "Year Totals");
    EXPECT_EQ(empty.Cell(3, 1), "Totals");
    EXPECT_EQ(empty.grid.Rows(), 4);

    FakeLoanWindow dollars("$500", "12.5", "5,5");
    Calculate(dollars);
    EXPECT_EQ(dollars.Box(LoanBox::Principal), "1");
    EXPECT_EQ(dollars.Box(LoanBox::Months), "125");
    EXPECT_EQ(dollars.Box(LoanBox::Rate), "5,5");  // read as 5, left as typed
    EXPECT_EQ(dollars.Cell(1, 3), "$0.00");
    EXPECT_EQ(dollars.Cell(dollars.grid.Rows() - 1, 1), "Totals");

    FakeLoanWindow grouped("1,250,000.75", "1,2", "70");
    Calculate(grouped);
    EXPECT_EQ(grouped.Box(LoanBox::Principal), "1250000.75");
    EXPECT_EQ(grouped.Box(LoanBox::Months), "12");
    EXPECT_TRUE(grouped.messages.empty());  // exactly 70 passes

    FakeLoanWindow ceilings("600000000000000", "9e99", "1e99");
    Calculate(ceilings);
    EXPECT_EQ(ceilings.Box(LoanBox::Principal), "500000000000000");
    EXPECT_EQ(ceilings.Box(LoanBox::Months), "9999");
    EXPECT_EQ(ceilings.Box(LoanBox::Rate), "70");
}

TEST(LoanCalculationTest, CalendarRules) {
    FakeLoanWindow december("1200", "13", "0");
    december.date = {5, 12, 2007};
    Calculate(december);
    EXPECT_EQ(december.Box(LoanBox::Payment), "$92.31");
    EXPECT_EQ(december.Cell(1, 0), "12/5/07");
    EXPECT_EQ(december.Cell(2, 0), "Year Totals");
    EXPECT_EQ(december.Cell(3, 0), "01/5/08");
    EXPECT_EQ(december.Cell(11, 0), "09/5/08");
    EXPECT_EQ(december.Cell(12, 0), "10/5/08");
    EXPECT_EQ(december.Cell(14, 0), "12/5/08");  // the last payment, in December
    EXPECT_EQ(december.Cell(15, 0), "Year Totals");
    EXPECT_EQ(december.Cell(16, 1), "Totals");
    EXPECT_EQ(december.grid.Rows(), 17);
    EXPECT_EQ(december.Cell(14, 5), "$0.00");

    FakeLoanWindow last_day("1000", "3", "12");
    last_day.date = {31, 1, 2008};
    Calculate(last_day);
    EXPECT_EQ(last_day.Cell(2, 0), "02/31/08");
    EXPECT_EQ(last_day.Cell(3, 0), "03/31/08");
}

TEST(LoanCalculationTest, InterestTotalsAndTheLastRow) {
    // Each month's interest stays below half a cent: the running total rounds
    // to nothing while the year total shows the cent.
    FakeLoanWindow tiny("1", "3", "4.8");
    tiny.date = {1, 6, 2007};
    Calculate(tiny);
    EXPECT_EQ(tiny.Cell(4, 0), "Year Totals");
    EXPECT_EQ(tiny.Cell(4, 3), "$0.01");
    EXPECT_EQ(tiny.Cell(5, 3), "$0.00");

    // 1.5 months: two payments, no adjustment and no closing year-totals row.
    FakeLoanWindow fractional("1000", "15e-1", "12");
    Calculate(fractional);
    EXPECT_EQ(fractional.Cell(2, 0), "12/15/07");
    EXPECT_EQ(fractional.Cell(3, 0), "Year Totals");
    EXPECT_EQ(fractional.Cell(4, 1), "Totals");
    EXPECT_NE(fractional.Cell(2, 5), "$0.00");

    FakeLoanWindow negative("1000", "12", "-5");
    Calculate(negative);
    EXPECT_EQ(negative.Cell(1, 3).front(), '-');
    EXPECT_EQ(negative.Cell(negative.grid.Rows() - 3, 5), "$0.00");
}

TEST(LoanCalculationTest, OutOfRangeLeavesNothingLookingComplete) {
    const char* const cases[][3] = {
        {"1000", "12", "-1e30"},            // rate beyond Currency
        {"1000", "12", "-2400"},            // (1 + r)^n - 1 == 0: no finite payment
        {"500000000000000", "9999", "70"},  // the interest total overflows
    };
    for (const auto& c : cases) {
        FakeLoanWindow w(c[0], c[1], c[2]);
        w.Box(LoanBox::Payment) = "$1.00";
        EXPECT_EQ(Calculate(w), CalculationOutcome::OutOfRange) << c[2];
        EXPECT_EQ(w.Box(LoanBox::Payment), "");
        EXPECT_EQ(w.grid.Rows(), 2);
        EXPECT_EQ(w.Cell(1, 0), "");
        ASSERT_FALSE(w.messages.empty());
        EXPECT_EQ(w.messages.back(),
                  "This loan cannot be calculated: its amounts are beyond the range the calculator can hold.");
        EXPECT_EQ(w.calls.back(), "Info Out of Range");
    }
}

TEST(LoanCalculationTest, DispatchRunsBeforeEveryRowAndCanStopTheFill) {
    FakeLoanWindow w("1000", "24", "6");
    int dispatches = 0;
    w.onDispatch = [&] {
        ++dispatches;
        EXPECT_EQ(w.grid.Rows(), dispatches + 1 + (dispatches > 2 ? 1 : 0));  // a year row after December
        return dispatches < 5;
    };
    EXPECT_EQ(Calculate(w), CalculationOutcome::Stopped);
    EXPECT_EQ(dispatches, 5);
    EXPECT_EQ(w.grid.Rows(), 7);  // four payments and a year row, nothing after the stop
    EXPECT_EQ(w.Cell(6, 0), "");

    FakeLoanWindow bad("1", "1", "1");
    bad.date = {1, 13, 2007};
    EXPECT_THROW(Calculate(bad), std::invalid_argument);
    EXPECT_TRUE(bad.calls.empty());
}

}  // namespace
}  // namespace quillmere
