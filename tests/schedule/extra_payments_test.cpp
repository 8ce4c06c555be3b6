// The schedule with extra payments: against the main schedule, against
// figures worked out apart from this code, and the identities every
// schedule keeps.
#include "schedule/extra_payments.h"
#include "schedule/schedule_writer.h"
#include "tests/schedule/fake_loan_window.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>

namespace quillmere {
namespace {

using testing::FakeLoanWindow;
using testing::UsMoneyFormatter;

const UsMoneyFormatter kMoney;

// A window that keeps the loan the calculation hands out.
class RecordingWindow : public FakeLoanWindow {
public:
    using FakeLoanWindow::FakeLoanWindow;
    void LoanCalculated(const LoanTerms& loan) override { this->loan = loan; }
    std::optional<LoanTerms> loan;
};

LoanTerms Calculated(RecordingWindow& w) {
    EXPECT_EQ(CalculateSchedule(w, kMoney), CalculationOutcome::Completed);
    EXPECT_TRUE(w.loan.has_value());
    return w.loan.value_or(LoanTerms{});
}

// Reads back a money text of the test formatter as whole cents.
std::int64_t Cents(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    }
    return !text.empty() && text.front() == '-' ? -value : value;
}

bool IsPaymentRow(const ScheduleGrid& g, int r) { return g.RowKind(r) == GridRowKind::Payment; }

// What every schedule keeps: each payment's Balance is the previous one less
// its Applied part, the last Balance is zero, and the "Totals" Payment is the
// sum of the payments (each shown rounded to cents, so a cent may part them
// per row).
void ExpectIdentities(const ScheduleGrid& g, double principal) {
    ASSERT_GE(g.Rows(), 4);
    ASSERT_EQ(g.TextMatrix(g.Rows() - 1, kColNumber), kTotalsMarker);
    ASSERT_EQ(g.TextMatrix(g.Rows() - 2, kColDate), kYearTotalsMarker);
    std::int64_t balance = std::llround(principal * 100);
    std::int64_t paid = 0;
    int payments = 0;
    for (int r = 1; r < g.Rows() - 1; ++r) {
        if (!IsPaymentRow(g, r)) continue;
        ++payments;
        paid += Cents(g.TextMatrix(r, kColPayment));
        const std::int64_t next = Cents(g.TextMatrix(r, kColBalance));
        EXPECT_NEAR(balance - Cents(g.TextMatrix(r, kColApplied)), next, 1) << "row " << r;
        balance = next;
    }
    EXPECT_EQ(g.TextMatrix(g.Rows() - 3, kColBalance), "$0.00");
    EXPECT_NEAR(paid, Cents(g.TextMatrix(g.Rows() - 1, kColPayment)), payments);
}

// The months box drops every ".", so a fractional count is typed with a
// negative exponent: "12.5" as "125e-1".
std::string MonthsText(std::string months) {
    const std::size_t point = months.find('.');
    if (point == std::string::npos) return months;
    const std::size_t decimals = months.size() - point - 1;
    months.erase(point, 1);
    return months + "e-" + std::to_string(decimals);
}

TEST(ExtraPaymentsTest, NoExtrasIsTheMainScheduleCellForCell) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> principal(1, 2'000'000);
    std::uniform_int_distribution<int> months(1, 600);
    std::uniform_int_distribution<int> rateHundredths(-2000, 3000);
    const std::vector<std::string> fixedMonths = {"1", "9999", "12.5", "11.5", "7.25"};
    const std::vector<std::string> fixedRates = {"0", "-5", "70", "-0.01"};
    for (int trial = 0; trial < 200; ++trial) {
        // The fixed counts with each of the fixed rates first, then random loans.
        const bool fixed = trial < 20;
        std::string m =
            fixed ? fixedMonths[static_cast<std::size_t>(trial) % fixedMonths.size()] : std::to_string(months(random));
        if (!fixed && trial % 4 == 0) m += ".5";
        const std::string rate = fixed || trial % 5 == 0
                                     ? fixedRates[static_cast<std::size_t>(trial / 5) % fixedRates.size()]
                                     : std::to_string(rateHundredths(random) / 100.0);
        RecordingWindow w(std::to_string(principal(random)), MonthsText(m), rate);
        w.date = {1 + trial % 28, 1 + trial % 12, 1990 + trial % 60};
        const LoanTerms loan = Calculated(w);
        SCOPED_TRACE(w.texts[0] + " " + w.texts[1] + " " + w.texts[2]);
        ASSERT_EQ(loan.months, std::stod(m));

        for (const ExtraMode mode : {ExtraMode::PayOffSooner, ExtraMode::LowerMyPayment}) {
            ExtraPaymentPlan plan;
            plan.mode = mode;
            plan.oneTime = {{RoundHalfEven(loan.months) + 1, Currency::FromDouble(500)}};  // after the end
            ScheduleGrid extras;
            const auto summary = FillExtraPaymentSchedule(loan, plan, extras, kMoney);
            ASSERT_TRUE(summary.has_value());
            ASSERT_EQ(extras.Rows(), w.grid.Rows());
            for (int r = 0; r < extras.Rows(); ++r) {
                for (int c = 0; c < ScheduleGrid::kColumns; ++c) {
                    ASSERT_EQ(extras.TextMatrix(r, c), w.grid.TextMatrix(r, c)) << r << "," << c;
                }
            }
            EXPECT_EQ(summary->withExtras.payments, RoundHalfEven(loan.months));
            EXPECT_EQ(summary->withExtras.payoff, summary->withoutExtras.payoff);
            EXPECT_EQ(summary->withExtras.totalInterest, summary->withoutExtras.totalInterest);
            EXPECT_EQ(kMoney.Format(summary->withExtras.totalInterest),
                      extras.TextMatrix(extras.Rows() - 1, kColInterest));
            EXPECT_FALSE(summary->paymentAfterFirstExtra.has_value());
        }
    }
}

// The last payment row, with its Date and Number from `payoff` and
// `payments` and its Balance always zero.
struct HandChecked {
    ExtraPaymentPlan plan;
    int payments;
    CalendarDate payoff;
    const char *totalPaid, *totalInterest;
    const char* lowered;                 // the lowered payments, as Lowered() writes them
    std::array<const char*, 4> lastRow;  // Payment, Interest, Applied, Notes
};

ExtraPaymentPlan Plan(ExtraMode mode, double monthly, double decemberExtra, std::vector<OneTimeExtra> oneTime) {
    ExtraPaymentPlan plan;
    plan.mode = mode;
    plan.monthly = Currency::FromDouble(monthly);
    plan.yearly = Currency::FromDouble(decemberExtra);
    plan.yearlyMonth = 12;
    plan.oneTime = std::move(oneTime);
    return plan;
}

// The payment right after the first extra and before the last, with their
// numbers: "$1,516.25 #13, $1,516.25 #359"; "" for none.
std::string Lowered(const ExtraPaymentSummary& summary) {
    std::string text;
    for (const auto& payment : {summary.paymentAfterFirstExtra, summary.paymentBeforeLast}) {
        if (!payment) continue;
        if (!text.empty()) text += ", ";
        text += kMoney.Format(payment->amount) + " #" + std::to_string(payment->number);
    }
    return text;
}

// Figures from a separate model of the arithmetic in exact rational numbers.
TEST(ExtraPaymentsTest, ThirtyYearLoanAgreesWithFiguresWorkedOutApart) {
    RecordingWindow w("250000", "360", "6.5");
    w.date = {15, 1, 2025};
    const LoanTerms loan = Calculated(w);
    ASSERT_EQ(w.Box(LoanBox::Payment), "$1,580.17");
    const auto sooner = ExtraMode::PayOffSooner;
    const auto lower = ExtraMode::LowerMyPayment;
    const std::vector<OneTimeExtra> at12 = {{12, Currency::FromDouble(10000)}};
    const std::vector<OneTimeExtra> at360 = {{360, Currency::FromDouble(500)}};
    // clang-format off
    const std::vector<HandChecked> cases = {
        // plan                            payments, payoff     Totals: Payment, Interest     lowered payments
        //                                 last row: Payment, Interest, Applied, Notes
        {Plan(sooner, 100, 0, {}),         304, {15, 4, 2050},  "$510,001.34", "$260,001.39", "",
                                           {"$909.81", "$4.90", "$904.91", ""}},
        {Plan(sooner, 0, 0, at12),         323, {15, 11, 2051}, "$519,588.24", "$269,588.28", "",
                                           {"$773.48", "$4.17", "$769.31", ""}},
        {Plan(sooner, 0, 1000, {}),        313, {15, 1, 2051},  "$520,028.42", "$270,028.43", "",
                                           {"$1,015.36", "$5.47", "$1,009.89", ""}},
        {Plan(sooner, 100, 1000, at12),    250, {15, 10, 2045}, "$449,910.37", "$199,910.35", "",
                                           {"$1,548.02", "$8.34", "$1,539.68", ""}},
        {Plan(lower, 100, 0, {}),          360, {15, 12, 2054}, "$547,620.29", "$297,620.40", "$1,579.54 #2, $920.25 #359",
                                           {"$819.71", "$4.42", "$815.29", ""}},
        {Plan(lower, 0, 0, at12),          360, {15, 12, 2054}, "$556,616.62", "$306,616.72", "$1,516.25 #13, $1,516.25 #359",
                                           {"$1,516.25", "$8.17", "$1,508.08", ""}},
        // The last payment settles the balance itself: no extra is paid with it.
        {Plan(lower, 0, 1000, {}),         360, {15, 12, 2054}, "$551,744.72", "$301,744.80", "$1,573.78 #13, $1,158.24 #359",
                                           {"$1,158.24", "$6.24", "$1,152.00", ""}},
        {Plan(lower, 100, 1000, at12),     360, {15, 12, 2054}, "$518,259.19", "$268,259.17", "$1,579.54 #2, $434.40 #359",
                                           {"$333.85", "$1.80", "$332.06", ""}},
        {Plan(sooner, 0, 0, at360),        360, {15, 12, 2054}, "$568,861.23", "$318,861.33", "",
                                           {"$1,580.17", "$8.51", "$1,571.66", ""}},
    };
    // clang-format on
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const HandChecked& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        ScheduleGrid g;
        const auto summary = FillExtraPaymentSchedule(loan, c.plan, g, kMoney);
        ASSERT_TRUE(summary.has_value());
        EXPECT_EQ(summary->withExtras.payments, c.payments);
        EXPECT_EQ(summary->withExtras.payoff, c.payoff);
        EXPECT_EQ(summary->withoutExtras.payments, 360);
        EXPECT_EQ(summary->withoutExtras.payoff, (CalendarDate{15, 12, 2054}));
        EXPECT_EQ(kMoney.Format(summary->withoutExtras.totalInterest), "$318,861.33");
        EXPECT_EQ(kMoney.Format(summary->withExtras.totalInterest), c.totalInterest);
        EXPECT_EQ(Lowered(*summary), c.lowered);
        std::vector<std::string> last;
        last.reserve(ScheduleGrid::kColumns);
        for (int col = 0; col < ScheduleGrid::kColumns; ++col) last.push_back(g.TextMatrix(g.Rows() - 3, col));
        EXPECT_EQ(last, (std::vector<std::string>{PaymentDateText(c.payoff.month, c.payoff.day, c.payoff.year),
                                                  std::to_string(c.payments), c.lastRow[0], c.lastRow[1], c.lastRow[2],
                                                  "$0.00", c.lastRow[3]}));
        EXPECT_EQ(g.TextMatrix(g.Rows() - 1, kColPayment), c.totalPaid);
        EXPECT_EQ(g.TextMatrix(g.Rows() - 1, kColInterest), c.totalInterest);
        ExpectIdentities(g, loan.principal);
    }

    // The first row of the monthly plan names its extra in the Notes column.
    ScheduleGrid g;
    FillExtraPaymentSchedule(loan, Plan(sooner, 100, 0, {}), g, kMoney);
    EXPECT_EQ(g.TextMatrix(1, kColPayment), "$1,680.17");
    EXPECT_EQ(g.TextMatrix(1, kColApplied), "$326.00");
    EXPECT_EQ(g.TextMatrix(1, kColNotes), "$100.00");
}

TEST(ExtraPaymentsTest, AnExtraBeyondTheBalanceIsCutAndEndsTheLoan) {
    RecordingWindow w("1000", "3", "12");
    const LoanTerms loan = Calculated(w);
    const Currency huge = Currency::FromDouble(5000);
    for (const ExtraMode mode : {ExtraMode::PayOffSooner, ExtraMode::LowerMyPayment}) {
        ScheduleGrid g;
        // At the first payment, a November one: a "Year Totals" row still follows.
        auto summary = FillExtraPaymentSchedule(loan, Plan(mode, 0, 0, {{1, huge}}), g, kMoney);
        ASSERT_TRUE(summary.has_value());
        ASSERT_EQ(g.Rows(), 4);
        EXPECT_EQ(g.TextMatrix(1, kColPayment), "$1,010.00");
        EXPECT_EQ(g.TextMatrix(1, kColApplied), "$1,000.00");
        EXPECT_EQ(g.TextMatrix(1, kColNotes), "$669.98");
        EXPECT_EQ(g.TextMatrix(2, kColDate), kYearTotalsMarker);
        EXPECT_EQ(g.TextMatrix(3, kColPayment), "$1,010.00");  // "Totals"
        EXPECT_EQ(summary->withExtras.payments, 1);
        EXPECT_FALSE(summary->paymentAfterFirstExtra.has_value());
        ExpectIdentities(g, 1000);

        // At a December payment: one "Year Totals" row only.
        summary = FillExtraPaymentSchedule(loan, Plan(mode, 0, 0, {{2, huge}, {3, huge}}), g, kMoney);
        ASSERT_TRUE(summary.has_value());
        ASSERT_EQ(g.Rows(), 5);
        EXPECT_EQ(g.TextMatrix(2, kColPayment), "$676.68");
        EXPECT_EQ(g.TextMatrix(2, kColNotes), "$336.66");
        EXPECT_EQ(g.TextMatrix(3, kColDate), kYearTotalsMarker);
        EXPECT_EQ(g.TextMatrix(4, kColPayment), "$1,016.70");
        EXPECT_EQ(kMoney.Format(summary->InterestSaved()), "$3.37");
        ExpectIdentities(g, 1000);
    }
}

TEST(ExtraPaymentsTest, RandomPlansKeepTheIdentities) {
    std::mt19937 random(1115);
    std::uniform_int_distribution<int> months(1, 480);
    std::uniform_int_distribution<int> cents(0, 50000);
    std::uniform_int_distribution<int> month(1, 12);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = months(random);
        RecordingWindow w(std::to_string(1000 + cents(random) * 10), std::to_string(n),
                          std::to_string((trial % 7 == 0 ? 0 : cents(random) % 2500) / 100.0));
        const LoanTerms loan = Calculated(w);
        ExtraPaymentPlan plan;
        plan.mode = trial % 2 == 0 ? ExtraMode::PayOffSooner : ExtraMode::LowerMyPayment;
        plan.monthly = Currency::FromRaw(cents(random) * 100LL / 10);
        plan.yearly = Currency::FromRaw(cents(random) * 100LL);
        plan.yearlyMonth = month(random);
        plan.startPayment = 1 + n / 3;
        plan.oneTime = {{1 + n / 2, Currency::FromRaw(cents(random) * 1000LL)}, {n, Currency::FromDouble(1)}};
        SCOPED_TRACE(w.texts[0] + " " + w.texts[1] + " " + w.texts[2]);
        ScheduleGrid g;
        const auto summary = FillExtraPaymentSchedule(loan, plan, g, kMoney);
        ASSERT_TRUE(summary.has_value());
        ExpectIdentities(g, loan.principal);
        EXPECT_LE(summary->withExtras.totalInterest, summary->withoutExtras.totalInterest + 0.005 * n);
        EXPECT_LE(summary->withExtras.payments, n);
    }
}

// Extras the plan allows, each one alone beyond the balance, together beyond
// the amounts the calculator holds: cut to the balance, they pay it off.
TEST(ExtraPaymentsTest, HugeExtrasTogetherPayOffAtOnceAndBadInputsAreRefused) {
    RecordingWindow w("987654.32", "360", "6.5");
    w.date = {15, 12, 2026};
    const LoanTerms loan = Calculated(w);
    ScheduleGrid g;
    const Currency most = Currency::FromDouble(500'000'000'000'000);
    ExtraPaymentPlan plan = Plan(ExtraMode::PayOffSooner, 0, 0, {{1, most}});
    plan.monthly = most;
    plan.yearly = most;
    const auto summary = FillExtraPaymentSchedule(loan, plan, g, kMoney);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->withExtras.payments, 1);
    EXPECT_EQ(g.TextMatrix(1, kColBalance), "$0.00");
    EXPECT_EQ(g.TextMatrix(1, kColApplied), "$987,654.32");
    EXPECT_EQ(plan.ExtraFor(1, 12), Currency::FromRaw(std::numeric_limits<std::int64_t>::max()));
    ExpectIdentities(g, loan.principal);

    const std::vector<void (*)(LoanTerms&)> spoilers = {
        [](LoanTerms& l) { l.months = 0; },
        [](LoanTerms& l) { l.months = 1e6; },
        [](LoanTerms& l) { l.payment = std::numeric_limits<double>::quiet_NaN(); },
        [](LoanTerms& l) { l.first.year = std::numeric_limits<int>::max(); },
    };
    for (const auto spoil : spoilers) {
        LoanTerms bad = loan;
        spoil(bad);
        EXPECT_THROW(FillExtraPaymentSchedule(bad, ExtraPaymentPlan{}, g, kMoney), std::invalid_argument);
    }
    plan = ExtraPaymentPlan{};
    plan.oneTime = {{1, Currency::FromDouble(-1)}};
    EXPECT_THROW(FillExtraPaymentSchedule(loan, plan, g, kMoney), std::invalid_argument);
    plan = ExtraPaymentPlan{};
    plan.yearlyMonth = 13;
    EXPECT_THROW(FillExtraPaymentSchedule(loan, plan, g, kMoney), std::invalid_argument);
}

}  // namespace
}  // namespace quillmere
