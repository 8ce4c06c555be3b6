#include "schedule/schedule_csv.h"

#include <gtest/gtest.h>

#include "tests/schedule/fake_loan_window.h"

namespace quillmere {
namespace {

TEST(ScheduleCsvTest, WorkedExampleByteForByte) {
    testing::FakeLoanWindow window("1000", "3", "12");
    ASSERT_EQ(CalculateSchedule(window, testing::UsMoneyFormatter()), CalculationOutcome::Completed);
    EXPECT_EQ(ScheduleCsvText(window.grid),
              "Date,Number,Payment,Interest,Applied,Balance,Notes\r\n"
              "11/15/07,1,$340.02,$10.00,$330.02,$669.98,\r\n"
              "12/15/07,2,$340.02,$6.70,$333.32,$336.66,\r\n"
              "Year Totals,,$680.04,$16.70,$663.34,,\r\n"
              "01/15/08,3,$340.02,$3.37,$336.66,$0.00,\r\n"
              "Year Totals,,$340.02,$3.37,$336.66,,\r\n"
              ",Totals,\"$1,020.07\",$20.07,,,\r\n");
}

TEST(ScheduleCsvTest, QuotesWhatWouldSplitAField) {
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("1.234,56 €"), "\"1.234,56 €\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(CsvField(""), "");
}

}  // namespace
}  // namespace quillmere
