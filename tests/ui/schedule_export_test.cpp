// The schedule leaving the program: the save dialog's file types and the
// names typed into it, and the chart's data. (The files themselves are read
// back by a real spreadsheet in tests/export/.)
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "tests/common/private_settings.h"
#include "tests/export/export_fixtures.h"
#include "ui/chart/loan_chart_data.h"
#include "ui/grid/schedule_export.h"

namespace quillmere {
namespace {

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
