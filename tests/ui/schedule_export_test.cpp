// The schedule leaving the program: the CSV as shown read back by a reader
// of its own, the save dialog's file types, and the chart's data.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "tests/common/file_contents.h"
#include "tests/export/export_fixtures.h"
#include "ui/chart/loan_chart_data.h"
#include "ui/grid/schedule_export.h"

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

TEST(ScheduleExport, EveryCellReadsBackFromTheCsvAsShown) {
    const QTemporaryDir dir;
    for (const char* locale : {"en_US", "de_DE"}) {
        SCOPED_TRACE(locale);
        const LocaleMoneyFormatter money{QLocale(QString::fromLatin1(locale))};
        const ScheduleGrid grid = CalculatedGrid(money, "250000", "360", "6.5");
        const QString path = dir.filePath(QStringLiteral("schedule.csv"));
        ASSERT_EQ(SaveScheduleFile(path, ScheduleFileType::ShownCsv, grid, money, {}), QString());
        const Rows rows = ReadCsv(FileContents(path).toStdString());
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid.Rows()));
        for (int row = 0; row < grid.Rows(); ++row) {
            ASSERT_EQ(rows[row].size(), 7U) << row;
            for (int column = 0; column < 7; ++column) EXPECT_EQ(rows[row][column], grid.TextMatrix(row, column));
        }
    }
}

// The dialog's three file types; what a typed name becomes; where the
// dialog opens: the folder last saved to, the documents folder, or home.
TEST(ScheduleExport, FileTypesTypedNamesAndTheSuggestedPath) {
    const QStringList filters = ScheduleFileFilters().split(QStringLiteral(";;"));
    ASSERT_EQ(filters,
              (QStringList{QStringLiteral("Excel workbook (*.xlsx)"), QStringLiteral("CSV for spreadsheets (*.csv)"),
                           QStringLiteral("CSV as shown (*.csv)")}));
    const ScheduleFileType book = ScheduleFileType::Workbook;
    const ScheduleFileType values = ScheduleFileType::ValuesCsv;
    const ScheduleFileType shown = ScheduleFileType::ShownCsv;
    const ScheduleFileType types[] = {book, values, shown};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(FileTypeOfFilter(filters[i]), types[i]);

    const struct {
        const char* typed;
        ScheduleFileType filter;
        ScheduleSaveTarget saved;
    } names[] = {
        {"/t/loan", book, {"/t/loan.xlsx", book}},
        {"/t/loan", values, {"/t/loan.csv", values}},
        {"/t/saved.csv", book, {"/t/saved.csv", values}},  // the typed extension decides
        {"/t/saved.CSV", shown, {"/t/saved.CSV", shown}},
        {"/t/saved.xlsx", shown, {"/t/saved.xlsx", book}},
        {"/t/Loan schedule v1.2", book, {"/t/Loan schedule v1.2.xlsx", book}},
        {"/t/trailingdot.", values, {"/t/trailingdot.csv", values}},
        {"/t/loan.txt", shown, {"/t/loan.txt.csv", shown}},
    };
    for (const auto& name : names) {
        const ScheduleSaveTarget target = SaveTargetOf(QString::fromUtf8(name.typed), name.filter);
        EXPECT_EQ(target.path, name.saved.path) << name.typed;
        EXPECT_EQ(target.type, name.saved.type) << name.typed;
    }

    const QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    RememberSaveFolder(QString());
    EXPECT_EQ(SuggestedSchedulePath(), home.filePath(QStringLiteral("Loan Payment Schedule.xlsx")));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(SuggestedSchedulePath(), home.filePath(QStringLiteral("Documents/Loan Payment Schedule.xlsx")));
    RememberSaveFolder(home.filePath(QStringLiteral("loans/saved.csv")));  // a folder gone since
    EXPECT_EQ(SuggestedSchedulePath(), home.filePath(QStringLiteral("Documents/Loan Payment Schedule.xlsx")));
    RememberSaveFolder(home.filePath(QStringLiteral("saved.csv")));
    EXPECT_EQ(SuggestedSchedulePath(QStringLiteral("Other")), home.filePath(QStringLiteral("Other.xlsx")));
    RememberSaveFolder(QString());
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

TEST(ScheduleExport, ChartDataOfTheWorkedExample) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    const LoanChartData data =
        ReadChartData(CalculatedGrid(money, "1000", "3", "12"), money, QStringLiteral("$340.02"), 2026);
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
