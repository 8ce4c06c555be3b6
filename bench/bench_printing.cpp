// Printing the longest schedule: 9,999 monthly payments, 10,834 grid rows,
// 181 pages. Once through the report builder alone, once all the way to a
// PDF file through the QPrinter adapter.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include <cmath>
#include <string>

#include "loan_calculation.h"
#include "print_schedule.h"
#include "schedule_report.h"

namespace {

using namespace quillmere;

// A schedule shaped as the calculation leaves it: 250,000 at 7.5 % over
// 9,999 months from January 2007, US money texts, a "Year Totals" row after
// every December and after the last payment, and the closing "Totals" row.
ScheduleGrid LongestGrid() {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const auto money = [&us](double amount) { return us.toCurrencyString(amount).toStdString(); };
    constexpr int kMonths = 9999;
    const double rate = 0.075 / 12;
    double balance = 250000;
    const double payment = balance * rate / (1 - std::pow(1 + rate, -kMonths));
    ScheduleGrid grid;
    ResetGrid(grid);
    double yearInterest = 0;
    double yearApplied = 0;
    int month = 1;
    int year = 2007;
    for (int k = 1; k <= kMonths; ++k) {
        const double interest = balance * rate;
        balance -= payment - interest;
        yearInterest += interest;
        yearApplied += payment - interest;
        const int row = grid.Rows() - 1;
        grid.SetTextMatrix(row, kColDate, PaymentDateText(month, 15, year));
        grid.SetTextMatrix(row, kColNumber, std::to_string(k));
        grid.SetTextMatrix(row, kColPayment, money(payment));
        grid.SetTextMatrix(row, kColInterest, money(interest));
        grid.SetTextMatrix(row, kColApplied, money(payment - interest));
        grid.SetTextMatrix(row, kColBalance, money(balance));
        grid.SetRows(grid.Rows() + 1);
        if (++month > 12 || k == kMonths) {
            const int totals = grid.Rows() - 1;
            grid.SetTextMatrix(totals, kColDate, "Year Totals");
            grid.SetTextMatrix(totals, kColPayment, money(yearInterest + yearApplied));
            grid.SetTextMatrix(totals, kColInterest, money(yearInterest));
            grid.SetTextMatrix(totals, kColApplied, money(yearApplied));
            grid.SetRows(grid.Rows() + 1);
            yearInterest = yearApplied = 0;
            month = 1;
            ++year;
        }
    }
    grid.SetTextMatrix(grid.Rows() - 1, kColNumber, "Totals");
    grid.SetTextMatrix(grid.Rows() - 1, kColPayment, money(payment * kMonths));
    return grid;
}

const ScheduleGrid& Longest() {
    static const ScheduleGrid grid = LongestGrid();
    return grid;
}

class CountingPrinter final : public ReportPrinter {
public:
    long long characters = 0;
    int page = 1;
    void SetFontName(std::string_view) override {}
    void SetFontSize(int) override {}
    void SetFontBold(bool) override {}
    int Page() const override { return page; }
    void Print(std::string_view text) override { characters += static_cast<long long>(text.size()); }
    void NewPage() override { ++page; }
    void EndDoc() override {}
};

void BM_ReportBuilderOnly(benchmark::State& state) {
    const ScheduleGrid& grid = Longest();
    int pages = 0;
    for (auto _ : state) {
        CountingPrinter printer;
        PrintScheduleReport(printer, grid);
        benchmark::DoNotOptimize(printer.characters);
        pages = printer.page - 1;
    }
    state.counters["rows"] = grid.Rows() - 1;
    state.counters["pages"] = pages;
}

void BM_LongestScheduleToPdf(benchmark::State& state) {
    const ScheduleGrid& grid = Longest();
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
        if (!PrintScheduleTo(printer, grid)) {
            state.SkipWithError("printing to PDF failed");
            return;
        }
    }
    state.counters["rows"] = grid.Rows() - 1;
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
}

BENCHMARK(BM_ReportBuilderOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongestScheduleToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
