// The longest schedule through the real main window: a click on Calculate
// for 9,999 months (10,834 grid rows), until the grid has been painted.
// Runs offscreen unless another platform is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "app/default_platform_hooks.h"
#include "app/translations.h"
#include "money/locale_money_formatter.h"
#include "tests/common/private_settings.h"
#include "tests/ui/window_controls.h"
#include "ui/chart/loan_chart.h"
#include "ui/chart/loan_chart_data.h"
#include "ui/common/window_look.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/offer_form.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/grid/schedule_export.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/main/main_window.h"
#include "ui/main/month_calendar.h"

namespace {

using namespace quillmere;

// Shows a main window, en_US money, with a 250000 loan at 7.5% over `months`
// typed in. Returns false (and tells the benchmark) if it never showed.
bool ShowLoanWindow(benchmark::State& state, frmMain& window, const char* months) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never shown");
        return false;
    }
    MainControls(window).txtPrincipal->setText(QStringLiteral("250000"));
    MainControls(window).txtMonths->setText(QString::fromLatin1(months));
    MainControls(window).txtRate->setText(QStringLiteral("7.5"));
    return true;
}

std::unique_ptr<LocaleMoneyFormatter> UsMoney() {
    return std::make_unique<LocaleMoneyFormatter>(QLocale(QLocale::English, QLocale::UnitedStates));
}

void BM_CalculateLongestScheduleInWindow(benchmark::State& state) {
    PlatformHooks hooks = DefaultPlatformHooks();
    hooks.showInformation = [](QWidget*, const QString&, const QString&) {};
    frmMain window(hooks, UsMoney());
    MainControls(window).calCalendar->setSelectedDate(QDate(2007, 1, 15));
    if (!ShowLoanWindow(state, window, "9999")) return;
    for (auto _ : state) {
        QTest::mouseClick(MainControls(window).cmdCalculate, Qt::LeftButton);
        MainControls(window).gridOne->viewport()->repaint();
    }
    state.counters["rows"] = window.GridStore().Rows();
}
BENCHMARK(BM_CalculateLongestScheduleInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The longest schedule, calculated in the window, for what leaves it.
struct LongestSchedule {
    PlatformHooks hooks = DefaultPlatformHooks();
    frmMain window{hooks, UsMoney()};
    bool shown = false;
    explicit LongestSchedule(benchmark::State& state) {
        MainControls(window).calCalendar->setSelectedDate(QDate(2007, 1, 15));
        shown = ShowLoanWindow(state, window, "9999");
        if (shown) window.cmdCalculate_Click();
    }
};

// Save Schedule As... of the longest schedule, as each of the dialog's file
// types: the file written and moved into place.
void SaveLongestSchedule(benchmark::State& state, ScheduleFileType type, const char* name) {
    LongestSchedule longest(state);
    if (!longest.shown) return;
    const QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    const std::unique_ptr<LocaleMoneyFormatter> money = UsMoney();
    const WorkbookLoan terms{250000, 7.5, 2007};
    for (auto _ : state) {
        if (!SaveScheduleFile(path, type, longest.window.GridStore(), *money, terms).isEmpty()) {
            state.SkipWithError("the save failed");
        }
    }
    state.counters["rows"] = longest.window.GridStore().Rows();
}

void BM_SaveLongestScheduleCsv(benchmark::State& state) {
    SaveLongestSchedule(state, ScheduleFileType::ShownCsv, "schedule.csv");
}
BENCHMARK(BM_SaveLongestScheduleCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveLongestScheduleValuesCsv(benchmark::State& state) {
    SaveLongestSchedule(state, ScheduleFileType::ValuesCsv, "values.csv");
}
BENCHMARK(BM_SaveLongestScheduleValuesCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveLongestScheduleWorkbook(benchmark::State& state) {
    SaveLongestSchedule(state, ScheduleFileType::Workbook, "schedule.xlsx");
}
BENCHMARK(BM_SaveLongestScheduleWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime();

// Show Chart... on the longest schedule: its texts read back and the chart
// drawn once.
void BM_OpenLongestScheduleChart(benchmark::State& state) {
    LongestSchedule longest(state);
    if (!longest.shown) return;
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    LoanChart chart(money, nullptr);
    for (auto _ : state) {
        chart.Show(ReadChartData(longest.window.GridStore(), money, QStringLiteral("$1,562.50"), 2007));
        benchmark::DoNotOptimize(chart.grab());
    }
    state.counters["payments"] = static_cast<double>(chart.Data().balances.size());
}
BENCHMARK(BM_OpenLongestScheduleChart)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same chart compared with the loan without extra payments, as the
// Extra Payments window redraws it after each recalculation: its own grid
// read, the balances without extras read once beforehand, both lines drawn.
void BM_RedrawLongestScheduleComparedChart(benchmark::State& state) {
    LongestSchedule longest(state);
    if (!longest.shown) return;
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    LoanChart chart(money, nullptr);
    const std::vector<LoanChartData::Balance> withoutExtras = ReadBalances(longest.window.GridStore(), money, 2007);
    for (auto _ : state) {
        LoanChartData data = ReadChartData(longest.window.GridStore(), money, QStringLiteral("$1,562.50"), 2007);
        data.withoutExtras = withoutExtras;
        chart.Show(std::move(data));
        benchmark::DoNotOptimize(chart.grab());
    }
}
BENCHMARK(BM_RedrawLongestScheduleComparedChart)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the longest schedule's texts back alone, without drawing them.
void BM_ReadLongestScheduleChartData(benchmark::State& state) {
    LongestSchedule longest(state);
    if (!longest.shown) return;
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadChartData(longest.window.GridStore(), money, QStringLiteral("$1,562.50"), 2007));
    }
}
BENCHMARK(BM_ReadLongestScheduleChartData)->Unit(benchmark::kMillisecond)->UseRealTime();

// The balances alone of a second grid of the longest schedule, as a chart
// comparing it with extra payments reads them.
void BM_ReadLongestScheduleBalances(benchmark::State& state) {
    LongestSchedule longest(state);
    if (!longest.shown) return;
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state) benchmark::DoNotOptimize(ReadBalances(longest.window.GridStore(), money, 2007));
}
BENCHMARK(BM_ReadLongestScheduleBalances)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pass of the layout control over the main window, with a filled grid:
// the window alternates between its design size and 1.5 times it.
void BM_MainWindowScalingPass(benchmark::State& state) {
    PlatformHooks hooks = DefaultPlatformHooks();
    frmMain window(hooks, UsMoney());
    if (!ShowLoanWindow(state, window, "360")) return;
    QTest::mouseClick(MainControls(window).cmdCalculate, Qt::LeftButton);
    const QSize design = window.size();
    const QSize larger = design * 1.5;
    bool grow = true;
    for (auto _ : state) {
        // The pass runs inside resize(), in the resize event Qt sends at once,
        // and ends with the grid's layout, which it leaves queued; the repaint
        // it schedules is left out of the figure.
        window.resize(grow ? larger : design);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        state.PauseTiming();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
        grow = !grow;
    }
}
BENCHMARK(BM_MainWindowScalingPass)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The pause after the last keystroke in the Extra Payments window has passed:
// the plan is read, the 9,999-month schedule with a monthly and a yearly
// extra written, the grid, summary and chart brought up to date and the
// window painted. $100 a month and $1,000 a year pay the loan off after 365
// payments; $1 and $10 (argument 1), the payment lowered after each, leave
// all 9,999 to make.
void BM_ExtraPaymentsPauseToPainted(benchmark::State& state) {
    PlatformHooks hooks = DefaultPlatformHooks();
    frmMain window(hooks, UsMoney());
    MainControls(window).calCalendar->setSelectedDate(QDate(2007, 1, 15));
    if (!ShowLoanWindow(state, window, "9999")) return;
    QTest::mouseClick(MainControls(window).cmdCalculate, Qt::LeftButton);
    Control<QAction>(window, "actExtra")->trigger();
    auto* extras = window.findChild<ExtraPaymentsWindow*>();
    if (!QTest::qWaitForWindowExposed(extras)) return state.SkipWithError("the window was never shown");
    const bool small = state.range(0) == 1;
    Control<QLineEdit>(*extras, "txtExtraMonthly")->setText(small ? QStringLiteral("1") : QStringLiteral("100"));
    Control<QLineEdit>(*extras, "txtExtraYearly")->setText(small ? QStringLiteral("10") : QStringLiteral("1000"));
    if (small) Control<QRadioButton>(*extras, "optLowerPayment")->setChecked(true);
    for (auto _ : state) {
        extras->Recalculate();
        QCoreApplication::sendPostedEvents();
        extras->repaint();
    }
    state.counters["rows"] = extras->Grid().Rows();
}
BENCHMARK(BM_ExtraPaymentsPauseToPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pause after the last keystroke in the Compare Loans window has passed:
// six offers of 9,999 months, each with its rate to work out from a
// payment, read, worked out (rate, schedule, APR with fees), compared in the
// table, drawn in the chart, and the window painted.
void BM_CompareLoansPauseToPainted(benchmark::State& state) {
    PlatformHooks hooks = DefaultPlatformHooks();
    frmMain window(hooks, UsMoney());
    MainControls(window).calCalendar->setSelectedDate(QDate(2007, 1, 15));
    if (!ShowLoanWindow(state, window, "9999")) return;
    QTest::mouseClick(MainControls(window).cmdCalculate, Qt::LeftButton);
    Control<QAction>(window, "actCompare")->trigger();
    auto* compare = window.findChild<CompareLoansWindow*>();
    if (!QTest::qWaitForWindowExposed(compare)) return state.SkipWithError("the window was never shown");
    OfferForm& form = compare->Form();
    while (form.Count() < OfferForm::kMostOffers) form.AddOffer();
    for (int offer = 0; offer < form.Count(); ++offer) {
        form.SetTexts(offer, {"250000", "9999", "", std::to_string(1600 + 10 * offer), std::to_string(1000 * offer)});
    }
    for (auto _ : state) {
        compare->Recalculate();
        QCoreApplication::sendPostedEvents();
        compare->repaint();
    }
    state.counters["offers"] = compare->Comparison().columnCount();
    if (compare->OfferAt(form.Count() - 1) == nullptr) state.SkipWithError("an offer had no figures");
}
BENCHMARK(BM_CompareLoansPauseToPainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the translations' loading to the main window painted, as the program
// starts: in English (a language without a translation) and in three
// translated languages, Arabic mirrored.
void BM_StartToPaintedMainWindow(benchmark::State& state, const char* language) {
    PlatformHooks hooks = DefaultPlatformHooks();
    for (auto _ : state) {
        InstallTranslations(*qApp, QLocale(QString::fromLatin1(language)));
        {
            frmMain window(hooks, UsMoney());
            window.show();
            window.repaint();
            state.PauseTiming();
        }
        for (auto* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_StartToPaintedMainWindow, en, "sw")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_StartToPaintedMainWindow, de, "de")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_StartToPaintedMainWindow, ar, "ar")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_StartToPaintedMainWindow, ja, "ja")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
