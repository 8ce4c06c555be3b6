// Printing the longest schedule: 9,999 monthly payments, 10,836 grid rows,
// 181 pages. Once through the report builder alone, once all the way to a
// PDF file through the QPrinter adapter, in en_US and in locales whose money
// text takes the laid-out path (right-to-left, a sign from a fallback font).
// Then its print preview: from opening it to its first page painted, and
// paging through all of it, with the memory the program grew by meanwhile.
// And a one-page schedule of a year to PDF, where the laid-out fields have
// little to repeat: what shaping them costs before any cache pays off.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <fstream>

#include <map>
#include <string>

#include "money/locale_money_formatter.h"
#include "printing/print_schedule.h"
#include "printing/report_preview_dialog.h"
#include "printing/report_preview_view.h"
#include "printing/schedule_report.h"
#include "schedule/loan_calculation.h"
#include "ui/common/window_look.h"

namespace {

using namespace quillmere;

// The calculation's window, for filling a grid the way the program does.
class BenchWindow final : public LoanWindow {
public:
    std::string texts[4] = {"250000", "9999", "7.5", ""};
    ScheduleGrid grid;
    std::string Text(LoanBox b) const override { return texts[static_cast<int>(b)]; }
    void SetText(LoanBox b, std::string t) override { texts[static_cast<int>(b)] = std::move(t); }
    CalendarDate SelectedDate() const override { return {15, 1, 2007}; }
    void ShowInformation(std::string_view, std::string_view) override {}
    bool DispatchPendingEvents() override { return true; }
    ScheduleGrid& Grid() override { return grid; }
};

// 250,000 at 7.5 % over `months` months from January 2007, money text in `locale`.
const ScheduleGrid& Schedule(const char* locale, const char* months) {
    static std::map<std::pair<std::string, std::string>, ScheduleGrid> grids;
    auto [at, added] = grids.try_emplace({locale, months});
    if (added) {
        BenchWindow window;
        window.texts[1] = months;
        CalculateSchedule(window, LocaleMoneyFormatter(QLocale(QString::fromLatin1(locale))));
        at->second = window.grid;
    }
    return at->second;
}

const ScheduleGrid& Longest(const char* locale) { return Schedule(locale, "9999"); }

class CountingPrinter final : public ReportPrinter {
public:
    long long characters = 0;
    int page = 1;
    void SetFontName(std::string_view) override {}
    void SetFontSize(int) override {}
    void SetFontBold(bool) override {}
    void SetFieldColumns(std::span<const int>) override {}
    int Page() const override { return page; }
    void Print(std::string_view text) override { characters += static_cast<long long>(text.size()); }
    void NewPage() override { ++page; }
    void EndDoc() override {}
};

void BM_ReportBuilderOnly(benchmark::State& state) {
    const ScheduleGrid& grid = Longest("en_US");
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
BENCHMARK(BM_ReportBuilderOnly)->Unit(benchmark::kMillisecond);

void ScheduleToPdf(benchmark::State& state, const ScheduleGrid& grid) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
        if (!PrintScheduleTo(printer, grid).isEmpty()) {
            state.SkipWithError("printing to PDF failed");
            return;
        }
    }
    state.counters["rows"] = grid.Rows() - 1;
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
}
void BM_LongestScheduleToPdf(benchmark::State& state, const char* locale) { ScheduleToPdf(state, Longest(locale)); }
void BM_OneYearToPdf(benchmark::State& state, const char* locale) { ScheduleToPdf(state, Schedule(locale, "12")); }

BENCHMARK_CAPTURE(BM_LongestScheduleToPdf, en_US, "en_US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestScheduleToPdf, ar_EG, "ar_EG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestScheduleToPdf, ja_JP, "ja_JP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OneYearToPdf, en_US, "en_US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OneYearToPdf, ar_EG, "ar_EG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OneYearToPdf, ja_JP, "ja_JP")->Unit(benchmark::kMillisecond);

// The program's resident size now, and the most it has ever been, in MB.
double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long resident = 0;
    statm >> total >> resident;
    return static_cast<double>(resident) * static_cast<double>(getpagesize()) / (1024.0 * 1024.0);
}
double PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Opens the preview of the longest schedule and paints its first page.
// The peak only says something for the first run: it never comes down.
void BM_PreviewLongestScheduleFirstPage(benchmark::State& state, const char* locale) {
    const ScheduleGrid& grid = Longest(locale);
    const double before = ResidentMb();
    const double peakBefore = PeakResidentMb();
    double grown = 0;
    int sheets = 0;
    for (auto _ : state) {
        const std::unique_ptr<ReportPreviewDialog> preview = MakeSchedulePreview(nullptr, grid);
        preview->show();
        if (!QTest::qWaitForWindowExposed(preview.get())) {
            state.SkipWithError("the preview was never shown");
            return;
        }
        preview->View().viewport()->repaint();
        grown = std::max(grown, ResidentMb() - before);
        sheets = preview->View().SheetCount();
    }
    state.counters["pages"] = sheets;
    state.counters["rss_growth_MB"] = grown;
    state.counters["peak_growth_MB"] = PeakResidentMb() - peakBefore;
}
BENCHMARK_CAPTURE(BM_PreviewLongestScheduleFirstPage, en_US, "en_US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PreviewLongestScheduleFirstPage, ar_EG, "ar_EG")->Unit(benchmark::kMillisecond);

// Pages through the whole preview with Page Down, painting every page.
void BM_PreviewPageThroughAll(benchmark::State& state, const char* locale) {
    const ScheduleGrid& grid = Longest(locale);
    const std::unique_ptr<ReportPreviewDialog> preview = MakeSchedulePreview(nullptr, grid);
    preview->show();
    if (!QTest::qWaitForWindowExposed(preview.get())) {
        state.SkipWithError("the preview was never shown");
        return;
    }
    ReportPreviewView& view = preview->View();
    const double before = ResidentMb();
    for (auto _ : state) {
        view.ShowSheet(1);
        while (view.CurrentSheet() < view.SheetCount()) {
            QTest::keyClick(&view, Qt::Key_PageDown);
            view.viewport()->repaint();
        }
    }
    state.counters["pages"] = view.SheetCount();
    state.counters["rss_growth_MB"] = ResidentMb() - before;
}
BENCHMARK_CAPTURE(BM_PreviewPageThroughAll, en_US, "en_US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PreviewPageThroughAll, ar_EG, "ar_EG")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
