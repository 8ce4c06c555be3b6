// Properties that hold for every loan, checked over many random ones.
#include "tests/schedule/fake_loan_window.h"

#include <gtest/gtest.h>

#include <random>

namespace quillmere {
namespace {

// Reads back a money text of the test formatter as whole cents.
std::int64_t Cents(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    }
    return text.front() == '-' ? -value : value;
}

TEST(LoanPropertiesTest, RandomLoansBalanceOutAndAddUp) {
    std::mt19937 random(20071115);
    std::uniform_int_distribution<int> principalCents(100, 100'000'000);
    std::uniform_int_distribution<int> months(1, 480);
    std::uniform_int_distribution<int> rateHundredths(0, 2500);
    std::uniform_int_distribution<int> month(1, 12);
    const testing::UsMoneyFormatter money;

    for (int trial = 0; trial < 1000; ++trial) {
        const int n = months(random);
        const int cents = principalCents(random);
        testing::FakeLoanWindow w(std::to_string(cents / 100) + "." + std::to_string(cents % 100 + 100).substr(1),
                                  std::to_string(n), std::to_string(rateHundredths(random) / 100.0));
        w.date = {1 + trial % 28, month(random), 2000 + trial % 50};
        ASSERT_EQ(CalculateSchedule(w, money), CalculationOutcome::Completed);
        const ScheduleGrid& g = w.grid;

        int payments = 0, yearRows = 0;
        std::int64_t applied = 0, yearPaymentSum = 0;
        for (int r = 1; r < g.Rows() - 1; ++r) {
            if (g.TextMatrix(r, 0) == "Year Totals") {
                ++yearRows;
                yearPaymentSum += Cents(g.TextMatrix(r, 2));
            } else {
                ++payments;
                applied += Cents(g.TextMatrix(r, 4));
            }
        }
        SCOPED_TRACE(w.texts[0] + " " + w.texts[1] + " " + w.texts[2]);
        EXPECT_EQ(payments, n);
        EXPECT_EQ(g.Rows(), 1 + payments + yearRows + 1);
        EXPECT_EQ(g.TextMatrix(g.Rows() - 2, 0), "Year Totals");
        EXPECT_EQ(g.TextMatrix(g.Rows() - 3, 5), "$0.00");
        // Amounts are shown rounded to cents: the shown parts may drift by a
        // cent per row from the exact sums they come from.
        EXPECT_NEAR(static_cast<double>(applied), cents, n);
        EXPECT_NEAR(static_cast<double>(yearPaymentSum), Cents(g.TextMatrix(g.Rows() - 1, 2)), yearRows);
    }
}

}  // namespace
}  // namespace quillmere
