// Offers worked out and compared: the worked example, each term worked out
// and back again, the messages, and the break-even of two offers.
#include "schedule/loan_offer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/schedule/fake_loan_window.h"

namespace quillmere {
namespace {

const testing::UsMoneyFormatter kMoney;
constexpr CalendarDate kFirst{15, 1, 2027};

Offer WorkedOut(const OfferInputs& inputs, int horizonYears = 30) {
    const OfferOutcome outcome = WorkOutOffer(inputs, kFirst, horizonYears);
    EXPECT_TRUE(std::holds_alternative<Offer>(outcome));
    return std::holds_alternative<Offer>(outcome) ? std::get<Offer>(outcome) : Offer{};
}

OfferProblem Problem(const OfferInputs& inputs) {
    const OfferOutcome outcome = WorkOutOffer(inputs, kFirst, 30);
    EXPECT_TRUE(std::holds_alternative<OfferProblem>(outcome));
    return std::holds_alternative<OfferProblem>(outcome) ? std::get<OfferProblem>(outcome) : OfferProblem{};
}

// Shown to three decimals, half away from zero.
double ThreeDecimals(double percent) { return std::round(percent * 1000) / 1000; }

const Currency k65 = Currency::FromDouble(6.5);

TEST(LoanOffer, TheWorkedExampleWithFeesHasTheMainScheduleAndItsApr) {
    const Offer offer = WorkedOut({250000, 360, k65, std::nullopt, 5000});
    const OfferFigures& figures = offer.figures;
    EXPECT_EQ(offer.workedOut, OfferTerm::Payment);
    EXPECT_EQ(kMoney.Format(figures.payment), "$1,580.17");
    // The main calculation's schedule of the same loan, cent for cent.
    testing::FakeLoanWindow main("250000", "360", "6.5");
    main.date = kFirst;
    CalculateSchedule(main, kMoney);
    EXPECT_EQ(kMoney.Format(figures.totalInterest), main.Cell(main.grid.Rows() - 1, kColInterest));
    EXPECT_EQ(kMoney.Format(figures.totalPaid), main.Cell(main.grid.Rows() - 1, kColPayment));
    EXPECT_EQ(figures.payments, 360);
    EXPECT_EQ(kMoney.Format(figures.lastPayment), main.Cell(main.grid.Rows() - 3, kColPayment));
    EXPECT_EQ(figures.payoff, (CalendarDate{15, 12, 2056}));
    EXPECT_EQ(kMoney.Format(figures.TotalCost()), kMoney.Format(figures.totalInterest + 5000));
    ASSERT_TRUE(figures.aprPercent && figures.effectivePercent);
    EXPECT_EQ(ThreeDecimals(*figures.aprPercent), 6.695);
    EXPECT_EQ(ThreeDecimals(*figures.effectivePercent), 6.905);
    // Over the first ten years: the running interest and the balance then.
    const Offer tenYears = WorkedOut({250000, 360, k65, std::nullopt, 5000}, 10);
    EXPECT_EQ(tenYears.figures.horizonPayments, 120);
    EXPECT_EQ(kMoney.Format(tenYears.figures.horizonBalance), main.Cell(129, kColBalance));  // 9 Year Totals above
    EXPECT_EQ(tenYears.figures.HorizonCost(), tenYears.figures.horizonInterest + 5000);

    // Without fees the APR is the rate, within the last payment's cents.
    const Offer plain = WorkedOut({250000, 360, k65, std::nullopt, 0});
    EXPECT_NEAR(*plain.figures.aprPercent, 6.5, 0.001);
    // Fees as large as the amount leave no APR.
    EXPECT_FALSE(WorkedOut({250000, 360, k65, std::nullopt, 250000}).figures.aprPercent.has_value());
}

// Each term worked out from the others, and back again.
TEST(LoanOffer, EachTermWorkedOutRoundTrips) {
    const double level = LevelPayment(250000, 360, MonthlyRate(k65));
    // The amount from a loan's payment: cut down to the cent, back within a
    // cent, and its own level payment never above the one given.
    const Offer amount = WorkedOut({std::nullopt, 360, k65, level, 0});
    EXPECT_EQ(amount.workedOut, OfferTerm::Amount);
    EXPECT_NEAR(amount.loan.principal, 250000, 0.01);
    EXPECT_LE(amount.loan.principal, 250000);
    EXPECT_NEAR(amount.loan.principal * 100, std::round(amount.loan.principal * 100), 1e-6);
    EXPECT_LE(amount.loan.payment, level);
    const OfferOutcome yen = WorkOutOffer({std::nullopt, 360, k65, 1580, 0}, kFirst, 30, 1);
    EXPECT_EQ(std::get<Offer>(yen).loan.principal, std::floor(std::get<Offer>(yen).loan.principal));
    // The months at exactly a loan's level payment.
    const Offer months = WorkedOut({250000, std::nullopt, k65, level, 0});
    EXPECT_EQ(months.workedOut, OfferTerm::Months);
    EXPECT_EQ(months.figures.payments, 360);
    // A larger payment: fewer months, the last one absorbing what is left.
    const Offer sooner = WorkedOut({250000, std::nullopt, k65, 2000, 0});
    EXPECT_EQ(sooner.figures.payments, 210);
    EXPECT_LT(sooner.figures.lastPayment, 2000);
    EXPECT_EQ(sooner.schedule.back().balance, Currency());
    // The rate of a level payment, to the rates' four decimals.
    const Offer rate = WorkedOut({250000, 360, std::nullopt, level, 0});
    EXPECT_EQ(rate.workedOut, OfferTerm::Rate);
    EXPECT_EQ(rate.loan.annualRate, k65);
    const Offer dealer = WorkedOut({20000, 60, std::nullopt, 450, 0});
    EXPECT_EQ(dealer.loan.annualRate, Currency::FromDouble(12.5041));
    EXPECT_EQ(dealer.schedule.back().balance, Currency());
    // With all four given, the payment is worked out anew.
    EXPECT_EQ(WorkedOut({250000, 360, k65, 1, 0}).figures.payment, level);
}

TEST(LoanOffer, WhyAnOfferHasNoFigures) {
    const OfferProblem two = Problem({250000, std::nullopt, k65, std::nullopt, 0});
    EXPECT_EQ(two.kind, OfferProblem::Kind::TermsMissing);
    EXPECT_EQ(two.missing, (std::vector<OfferTerm>{OfferTerm::Months, OfferTerm::Payment}));
    const OfferProblem interest = Problem({250000, std::nullopt, k65, 1354.16, 0});
    EXPECT_EQ(interest.kind, OfferProblem::Kind::PaymentBelowInterest);
    EXPECT_EQ(kMoney.Format(interest.firstInterest), "$1,354.17");
    EXPECT_EQ(Problem({250000, std::nullopt, Currency(), 20, 0}).kind, OfferProblem::Kind::TooManyMonths);
    EXPECT_EQ(Problem({250000, 360, std::nullopt, 694, 0}).kind, OfferProblem::Kind::NoRate);    // below 250000 / 360
    EXPECT_EQ(Problem({250000, 360, std::nullopt, 15000, 0}).kind, OfferProblem::Kind::NoRate);  // above 70 %
    EXPECT_EQ(Problem({250000, 0, k65, std::nullopt, 0}).kind, OfferProblem::Kind::OutOfRange);
    EXPECT_EQ(Problem({250000, 360, k65, std::nullopt, -1}).kind, OfferProblem::Kind::OutOfRange);
}

TEST(LoanOffer, PointsPayOffFromTheirBreakEven) {
    const Offer bank = WorkedOut({250000, 360, k65, std::nullopt, 0});
    const Offer points = WorkedOut({250000, 360, Currency::FromDouble(6.25), std::nullopt, 5000});
    const BreakEven from = CostsLessFrom(points, bank);
    EXPECT_EQ(from.kind, BreakEven::Kind::FromPayment);
    EXPECT_EQ(from.payment, 96);
    EXPECT_EQ(from.date, (CalendarDate{15, 12, 2034}));
    EXPECT_EQ(CostsLessFrom(bank, points).kind, BreakEven::Kind::Never);
    const Offer cheaper = WorkedOut({250000, 360, Currency::FromDouble(6), std::nullopt, 0});
    EXPECT_EQ(CostsLessFrom(cheaper, bank).kind, BreakEven::Kind::FromTheStart);
    // A shorter loan's cost stays as it ended while the longer one runs on.
    const Offer shorter = WorkedOut({250000, 180, Currency::FromDouble(5.9), std::nullopt, 0});
    EXPECT_EQ(CostsLessFrom(shorter, bank).kind, BreakEven::Kind::FromTheStart);
}

// Any terms the boxes can hand out, with any one left out: an offer whose
// schedule ends at zero after its payments, or a reason; never a throw.
TEST(LoanOffer, RandomOffersEndAtZeroOrSayWhyNot) {
    std::mt19937 random(2027);
    std::uniform_real_distribution<double> exponent(0, 14.7);  // amounts from 1 to 5e14
    std::uniform_int_distribution<int> months(1, 9999);
    std::uniform_int_distribution<int> hundredths(0, 7000);
    int problems = 0;
    for (int trial = 0; trial < 300; ++trial) {
        OfferInputs inputs{std::pow(10, exponent(random)), months(random),
                           Currency::FromDouble(hundredths(random) / 100.0), std::nullopt,
                           trial % 3 == 0 ? 0 : std::pow(10, exponent(random) / 2)};
        inputs.payment = LevelPayment(*inputs.amount, *inputs.months, MonthlyRate(*inputs.annualRate)) *
                         (0.5 + hundredths(random) / 7000.0);
        switch (trial % 4) {
            case 0:
                inputs.amount.reset();
                break;
            case 1:
                inputs.months.reset();
                break;
            case 2:
                inputs.annualRate.reset();
                break;
            default:
                inputs.payment.reset();
                break;
        }
        SCOPED_TRACE(trial);
        const OfferOutcome outcome = WorkOutOffer(inputs, kFirst, 1 + trial % 40);
        const auto* offer = std::get_if<Offer>(&outcome);
        if (offer == nullptr) {
            ++problems;
            continue;
        }
        ASSERT_FALSE(offer->schedule.empty());
        EXPECT_EQ(offer->schedule.back().balance, Currency());
        EXPECT_EQ(offer->figures.payments, static_cast<int>(offer->schedule.size()));
        if (offer->figures.aprPercent) {
            EXPECT_TRUE(std::isfinite(*offer->figures.aprPercent));
        }
    }
    EXPECT_LT(problems, 150);  // most of them are offers
}

}  // namespace
}  // namespace quillmere
