// The calculation with its money texts, as the window runs it, minus the window.
#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"
#include "schedule/loan_calculation.h"
#include "schedule/loan_offer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmere;

class BenchWindow final : public LoanWindow {
public:
    std::string texts[4];
    ScheduleGrid grid;
    std::string Text(LoanBox b) const override { return texts[static_cast<int>(b)]; }
    void SetText(LoanBox b, std::string t) override { texts[static_cast<int>(b)] = std::move(t); }
    CalendarDate SelectedDate() const override { return {15, 11, 2007}; }
    void ShowInformation(std::string_view, std::string_view) override {}
    bool DispatchPendingEvents() override { return true; }
    ScheduleGrid& Grid() override { return grid; }
};

void RunSchedule(benchmark::State& state, const char* months, const MoneyFormatter& money) {
    BenchWindow window;
    for (auto _ : state) {
        window.texts[0] = "250000";
        window.texts[1] = months;
        window.texts[2] = "7.5";
        CalculateSchedule(window, money);
        benchmark::DoNotOptimize(window.grid.Rows());
    }
    state.counters["rows"] = window.grid.Rows();
}

// The longest schedule in a locale: en_US, and three whose money text is
// unlike it (Indian grouping, Arabic-Indic digits and marks, Spanish
// grouping that leaves four-digit amounts alone).
void BM_LongestSchedule(benchmark::State& state, const char* locale) {
    RunSchedule(state, "9999", LocaleMoneyFormatter(QLocale(QString::fromLatin1(locale))));
}
BENCHMARK_CAPTURE(BM_LongestSchedule, en_US, "en_US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestSchedule, hi_IN, "hi_IN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestSchedule, ar_EG, "ar_EG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestSchedule, es_ES, "es_ES")->Unit(benchmark::kMillisecond);

// The same with every amount written by QLocale, for comparison.
void BM_LongestScheduleThroughQLocale(benchmark::State& state) {
    RunSchedule(state, "9999", LocaleMoneyFormatter::ThroughQLocale(QLocale(QStringLiteral("hi_IN"))));
}
BENCHMARK(BM_LongestScheduleThroughQLocale)->Unit(benchmark::kMillisecond);

void BM_ThirtyYearSchedule(benchmark::State& state) {
    RunSchedule(state, "360", LocaleMoneyFormatter(QLocale(QLocale::English, QLocale::UnitedStates)));
}
BENCHMARK(BM_ThirtyYearSchedule)->Unit(benchmark::kMicrosecond);

// Recalculating a plan of extra payments on the longest loan, as the extra
// payments window does after each pause in typing: a monthly and a yearly
// extra, money text included, and the schedule without extras for the summary.
void BM_ExtraPaymentsLongestLoan(benchmark::State& state, ExtraMode mode) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    // At 0% every extra shortens a 9999-month loan by only a few payments; at
    // any real rate the level payment is nearly all interest and the smallest
    // extra ends it decades sooner.
    const LoanTerms loan{250000, 9999, Currency(), LevelPayment(250000, 9999, 0), {15, 11, 2007}};
    ExtraPaymentPlan plan;
    plan.monthly = Currency::FromDouble(0.01);
    plan.yearly = Currency::FromDouble(0.5);
    plan.mode = mode;
    ScheduleGrid grid;
    for (auto _ : state) benchmark::DoNotOptimize(FillExtraPaymentSchedule(loan, plan, grid, money));
    state.counters["rows"] = grid.Rows();
}
BENCHMARK_CAPTURE(BM_ExtraPaymentsLongestLoan, pay_off_sooner, ExtraMode::PayOffSooner)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExtraPaymentsLongestLoan, lower_my_payment, ExtraMode::LowerMyPayment)
    ->Unit(benchmark::kMillisecond);

// Six offers of 9,999 months, each with its rate worked out from a payment
// and its APR from fees, as the Compare Loans window recalculates them.
void BM_SixLongestOffers(benchmark::State& state) {
    std::vector<OfferInputs> offers;
    for (int percent = 1; percent <= 6; ++percent) {
        const double payment = LevelPayment(250000, 9999, MonthlyRate(Currency::FromDouble(percent)));
        offers.push_back({250000, 9999, std::nullopt, payment, 1000.0 * percent});
    }
    for (auto _ : state) {
        for (const OfferInputs& offer : offers) benchmark::DoNotOptimize(WorkOutOffer(offer, {15, 1, 2027}, 30));
    }
}
BENCHMARK(BM_SixLongestOffers)->Unit(benchmark::kMillisecond);

void BM_MoneyText(benchmark::State& state) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    double amount = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(money.Format(amount));
        amount += 0.01;
    }
}
BENCHMARK(BM_MoneyText);

}  // namespace

BENCHMARK_MAIN();
