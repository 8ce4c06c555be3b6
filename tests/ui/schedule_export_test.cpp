// The schedule leaving the program: the CSV file read back by a reader of
// its own, a save that fails half-way, and the chart's data.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "money/locale_money_formatter.h"
#include "tests/common/full_disk.h"
#include "tests/schedule/fake_loan_window.h"
#include "ui/main/loan_chart_data.h"
#include "ui/main/schedule_export.h"

namespace quillmere {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// An RFC 4180 reader, as a spreadsheet reads the file.
Rows ReadCsv(const std::string& text) {
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                rows.back().back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                rows.back().back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last line end
    return rows;
}

ScheduleGrid Schedule(const LocaleMoneyFormatter& money, const char* months) {
    testing::FakeLoanWindow window("250000", months, "6.5");
    CalculateSchedule(window, money);
    return window.grid;
}

TEST(ScheduleExport, EveryCellReadsBackFromTheCsv) {
    const QTemporaryDir dir;
    for (const char* locale : {"en_US", "de_DE"}) {
        SCOPED_TRACE(locale);
        const ScheduleGrid grid = Schedule(LocaleMoneyFormatter(QLocale(QString::fromLatin1(locale))), "360");
        const QString path = dir.filePath(QStringLiteral("schedule.csv"));
        ASSERT_EQ(SaveScheduleCsv(path, grid), QString());
        const Rows rows = ReadCsv(FileContents(path).toStdString());
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid.Rows()));
        for (int row = 0; row < grid.Rows(); ++row) {
            ASSERT_EQ(rows[row].size(), 7U) << row;
            for (int column = 0; column < 7; ++column) EXPECT_EQ(rows[row][column], grid.TextMatrix(row, column));
        }
    }
    EXPECT_EQ(WithCsvSuffix(QStringLiteral("/tmp/loan")), QStringLiteral("/tmp/loan.csv"));
    EXPECT_EQ(WithCsvSuffix(QStringLiteral("/tmp/loan.txt")), QStringLiteral("/tmp/loan.txt"));
    EXPECT_TRUE(SuggestedCsvPath().endsWith(QStringLiteral("/Loan Payment Schedule.csv")));
}

// The disk fills up half-way: the file that stood there survives, and the
// reason is told.
TEST(ScheduleExport, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.csv"));
    ASSERT_TRUE(WriteFile(path, "the earlier schedule"));
    const ScheduleGrid grid = Schedule(LocaleMoneyFormatter(QLocale(QLocale::English, QLocale::UnitedStates)), "9999");
    QString failure;
    ASSERT_TRUE(WithFileSizeLimit(rlim_t{64} * 1024, [&] { failure = SaveScheduleCsv(path, grid); }));
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_EQ(FileContents(path), QByteArray("the earlier schedule"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("schedule.csv")});
    EXPECT_FALSE(SaveScheduleCsv(dir.filePath(QStringLiteral("no/such/folder.csv")), grid).isEmpty());
}

TEST(ScheduleExport, ChartDataOfTheWorkedExample) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::FakeLoanWindow window("1000", "3", "12");
    CalculateSchedule(window, money);
    const LoanChartData data = ReadChartData(window.grid, money, QStringLiteral("$340.02"), 2026);
    ASSERT_EQ(data.balances.size(), 3U);
    EXPECT_DOUBLE_EQ(data.balances[0].balance, 669.98);
    EXPECT_DOUBLE_EQ(data.balances[1].balance, 336.66);
    EXPECT_DOUBLE_EQ(data.balances[2].balance, 0.0);
    EXPECT_DOUBLE_EQ(data.balances[0].when, 2007 + 10.0 / 12);  // November 2007
    EXPECT_DOUBLE_EQ(data.balances[2].when, 2008.0);            // January 2008
    ASSERT_EQ(data.years.size(), 2U);
    EXPECT_EQ(data.years[0].year, 2007);
    EXPECT_DOUBLE_EQ(data.years[0].interest, 16.70);
    EXPECT_DOUBLE_EQ(data.years[0].principal, 663.34);
    EXPECT_EQ(data.years[1].year, 2008);
    EXPECT_DOUBLE_EQ(data.years[1].principal, 336.66);
    EXPECT_EQ(data.Summary(), QStringLiteral("Monthly payment $340.02; total interest $20.07; paid off on 1/15/2008"));
    // An empty grid charts nothing, and says so.
    ScheduleGrid empty;
    ResetGrid(empty);
    EXPECT_TRUE(ReadChartData(empty, money, QString(), 2026).IsEmpty());
}

}  // namespace
}  // namespace quillmere
