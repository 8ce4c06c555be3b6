// The saved files opened in a real spreadsheet: LibreOffice Calc, headless,
// started by calc_cells.py as a user of each locale would run it, says what
// every cell became. The files are written as the program writes them, with
// the C library's locale taken from the same environment. Every amount must
// be a number equal to the grid's, every payment date a date, every sum
// right, and the CSV as shown the grid's texts, cell for cell.
#include <gtest/gtest.h>

#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>

#include "export/schedule_files.h"
#include "export/schedule_html.h"
#include "export/spreadsheet_formats.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

bool SameNumber(double calc, double expected) {
    return std::abs(calc - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

// A typed file: the headers, then every cell of the grid as its value, and
// Calc's own sum of every amount column equal to the shown amounts added up.
void ExpectValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, const ScheduleValues& values,
                  const QJsonValue& file) {
    SCOPED_TRACE(file[QLatin1String("path")].toString().toStdString());
    const QJsonArray rows = Rows(file);
    ASSERT_EQ(rows.size(), grid.Rows());
    for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
        EXPECT_EQ(rows[0][col][QLatin1String("v")].toString().toStdString(), values.headers[col]);
    }
    std::array<double, ScheduleGrid::kColumns> sums{};
    for (int row = 1; row < grid.Rows(); ++row) {
        for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
            const CellValue& expected = values.rows[static_cast<std::size_t>(row - 1)].cells[col];
            const QJsonValue cell = rows[row][col];
            const QString type = cell[QLatin1String("t")].toString();
            const double number = cell[QLatin1String("v")].toDouble();
            const std::string where = std::to_string(row) + "," + std::to_string(col) + " " + expected.text;
            switch (expected.kind) {
                case CellValue::Kind::Money:
                    EXPECT_EQ(type, u"number") << where;
                    EXPECT_TRUE(SameNumber(number, expected.money.ToDouble())) << where << " read " << number;
                    sums[col] += expected.money.ToDouble();
                    break;
                case CellValue::Kind::Date:
                    EXPECT_EQ(type, u"date") << where;
                    EXPECT_EQ(number, static_cast<double>(SpreadsheetDateSerial(expected.date))) << where;
                    break;
                case CellValue::Kind::Integer:
                    EXPECT_EQ(type, u"number") << where;
                    EXPECT_EQ(number, static_cast<double>(expected.integer)) << where;
                    break;
                case CellValue::Kind::Text:
                    EXPECT_EQ(cell[QLatin1String("v")].toString().toStdString(), expected.text) << where;
                    break;
                case CellValue::Kind::Empty:
                    EXPECT_EQ(type, u"empty") << where;
                    break;
            }
        }
    }
    const QJsonObject calcSums = file[QLatin1String("sheets")][0][QLatin1String("sums")].toObject();
    for (int col = kColPayment; col < ScheduleGrid::kColumns; ++col) {
        if (sums[col] == 0) continue;
        const double calcSum = calcSums.value(QString::number(col)).toDouble();
        EXPECT_NEAR(calcSum, sums[col], 0.5 / static_cast<double>(money.MinorPerUnit())) << "column " << col;
    }
}

// The CSV as shown, every column read as text: the grid's texts exactly.
void ExpectTexts(const ScheduleGrid& grid, const QJsonValue& file) {
    SCOPED_TRACE(file[QLatin1String("path")].toString().toStdString());
    const QJsonArray rows = Rows(file);
    ASSERT_EQ(rows.size(), grid.Rows());
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
            const QString text = rows[row][col][QLatin1String("v")].toString();
            EXPECT_EQ(text.toStdString(), grid.TextMatrix(row, col)) << row << "," << col;
        }
    }
}

// The workbook's Loan sheet: the loan's figures as numbers, its date a date.
void ExpectLoanSheet(const QJsonValue& workbook, const LocaleMoneyFormatter& money, const std::string& payment) {
    const QJsonArray rows = Rows(workbook, 1);
    ASSERT_GE(rows.size(), 6);
    const auto value = [&rows](int row) { return rows[row][1][QLatin1String("v")].toDouble(); };
    EXPECT_EQ(value(0), 250000.0);
    EXPECT_EQ(value(1), 360.0);
    EXPECT_TRUE(SameNumber(value(2), 0.065)) << value(2);
    EXPECT_EQ(rows[3][1][QLatin1String("t")].toString(), u"date");
    EXPECT_TRUE(SameNumber(value(4), money.Parse(payment)->ToDouble())) << value(4);
}

struct SavedSchedule {
    ScheduleGrid grid;
    WorkbookLoan terms;
};

TEST(SpreadsheetApplication, CalcReadsEveryFileAsTheGridShowsItInSixLocales) {
    const ExtraPaymentPlan plan{Currency::FromDouble(50), {}, 12, 1, {{12, Currency::FromDouble(10000)}},
                                ExtraMode::PayOffSooner};
    for (const char* name : {"en_US", "de_DE", "fr_FR", "ar_EG", "ja_JP", "hi_IN"}) {
        SCOPED_TRACE(name);
        const ProgramNumericLocale program((std::string(name) + ".UTF-8").c_str());
        ASSERT_TRUE(program.InForce()) << "the locale isn't installed (package locales-all)";
        const LocaleMoneyFormatter money{QLocale(QString::fromLatin1(name))};
        const CalendarDate first{31, 1, 2026};
        const SavedSchedule main{CalculatedGrid(money, "250000", "360", "6.5", first), {250000, 6.5, 2026}};
        const std::string payment = main.grid.TextMatrix(1, kColPayment);
        const SavedSchedule extras{ExtrasGrid(money, "250000", "360", "6.5", first, plan),
                                   {250000, 6.5, 2026, WorkbookExtras{plan, money.Parse(payment)->ToDouble(), 360}}};

        const QTemporaryDir dir;
        QStringList files;
        for (const auto& [schedule, stem] : {std::pair{&main, "main"}, std::pair{&extras, "extras"}}) {
            for (const auto& [type, suffix] : {std::pair{ScheduleFileType::Workbook, ".xlsx:book"},
                                               std::pair{ScheduleFileType::ValuesCsv, "-values.csv:values"},
                                               std::pair{ScheduleFileType::ShownCsv, "-shown.csv:text"}}) {
                const QString fileAndKind = dir.filePath(QString::fromLatin1(stem) + QString::fromLatin1(suffix));
                const QString file = fileAndKind.section(QLatin1Char(':'), 0, -2);
                ASSERT_EQ(SaveScheduleFile(file, type, schedule->grid, money, schedule->terms), QString());
                files << fileAndKind;
            }
        }
        // The clipboard's table, as Calc reads a pasted one.
        const ScheduleValues mainValues = ReadScheduleValues(main.grid, money, 2026);
        const QString html = dir.filePath(QStringLiteral("main.html"));
        const GridCellRange all{1, main.grid.Rows() - 1, 0, ScheduleGrid::kColumns - 1};
        ASSERT_EQ(
            SaveFileSafely(html, QByteArray::fromStdString(ScheduleHtmlTable(mainValues, FormatsFor(money), all))),
            QString());
        files << html + QStringLiteral(":html");

        const QJsonArray calc = OpenInCalc(name, files);
        ASSERT_EQ(calc.size(), files.size());
        const ScheduleValues extraValues = ReadScheduleValues(extras.grid, money, 2026, ScheduleValues::Notes::Extras);
        for (const int i : {0, 1}) ExpectValues(main.grid, money, mainValues, calc[i]);
        ExpectTexts(main.grid, calc[2]);
        for (const int i : {3, 4}) ExpectValues(extras.grid, money, extraValues, calc[i]);
        ExpectTexts(extras.grid, calc[5]);
        ExpectValues(main.grid, money, mainValues, calc[6]);
        ExpectLoanSheet(calc[0], money, payment);
        ExpectLoanSheet(calc[3], money, payment);
    }
}

}  // namespace
}  // namespace quillmere
