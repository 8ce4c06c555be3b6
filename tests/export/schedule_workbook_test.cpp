// The workbook read back without a spreadsheet: an .xlsx is a zip of XML, so
// its sheets' cells, the styles they point to, the frozen panes and the
// document's title are read from the parts themselves.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <tuple>
#include <vector>

#include "export/schedule_files.h"
#include "export/spreadsheet_formats.h"
#include "tests/common/file_contents.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

// A saved workbook's schedule sheet, loan sheet and styles.
struct Workbook {
    Sheet schedule;
    Sheet loan;
    std::vector<CellStyle> styles;
    QByteArray workbookPart;
    QByteArray properties;

    [[nodiscard]] const CellStyle& StyleOf(const SheetCell& cell) const {
        return styles.at(static_cast<std::size_t>(cell.style));
    }
};

Workbook SaveAndRead(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, const WorkbookLoan& terms) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.xlsx"));
    EXPECT_EQ(SaveScheduleFile(path, ScheduleFileType::Workbook, grid, money, terms), QString());
    return {ReadSheet(ZipPart(path, QStringLiteral("xl/worksheets/sheet1.xml"))),
            ReadSheet(ZipPart(path, QStringLiteral("xl/worksheets/sheet2.xml"))),
            ReadStyles(ZipPart(path, QStringLiteral("xl/styles.xml"))),
            ZipPart(path, QStringLiteral("xl/workbook.xml")), ZipPart(path, QStringLiteral("docProps/core.xml"))};
}

std::string Ref(int col, int row) { return std::string(1, static_cast<char>('A' + col)) + std::to_string(row); }

TEST(ScheduleWorkbook, TheWorkedExampleAsTypedCells) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    const Workbook book = SaveAndRead(CalculatedGrid(money, "1000", "3", "12"), money, {1000, 12, 2007});
    const SpreadsheetFormats formats = FormatsFor(money);
    const auto expectCell = [&](const Sheet& sheet, const char* ref, const char* value, const std::string& format,
                                bool bold) {
        SCOPED_TRACE(ref);
        const SheetCell& cell = sheet.cells.at(ref);
        EXPECT_EQ(cell.value, value);
        EXPECT_EQ(cell.type, format == "General" ? "inlineStr" : "");
        EXPECT_EQ(book.StyleOf(cell).format, format);
        EXPECT_EQ(book.StyleOf(cell).bold, bold);
    };
    expectCell(book.schedule, "A1", "Date", "General", true);
    expectCell(book.schedule, "A2", "39401", formats.date, false);  // 11/15/07
    expectCell(book.schedule, "B2", "1", "0", false);
    expectCell(book.schedule, "C2", "340.02", formats.money, false);
    expectCell(book.schedule, "F5", "0", formats.money, false);
    expectCell(book.schedule, "A4", "Year Totals", "General", true);
    expectCell(book.schedule, "E4", "663.34", formats.money, true);
    expectCell(book.schedule, "B7", "Totals", "General", true);
    expectCell(book.schedule, "C7", "1020.07", formats.money, true);
    EXPECT_EQ(book.schedule.cells.count("A7"), 0U);
    EXPECT_EQ(book.schedule.cells.count("G2"), 0U);  // no empty strings

    const std::map<std::string, std::string> frozen{
        {"xSplit", "2"}, {"ySplit", "1"}, {"topLeftCell", "C2"}, {"activePane", "bottomRight"}, {"state", "frozen"}};
    EXPECT_EQ(book.schedule.pane, frozen);
    ASSERT_EQ(book.schedule.widths.size(), 7U);
    EXPECT_GE(book.schedule.widths[0], 12.0);  // "11/15/2007"
    EXPECT_GE(book.schedule.widths[2], 9.0);   // "$1,020.07"

    expectCell(book.loan, "A1", "Principal", "General", true);
    expectCell(book.loan, "B1", "1000", formats.money, false);
    expectCell(book.loan, "B2", "3", "0", false);
    expectCell(book.loan, "B3", "0.12", formats.percent, false);
    expectCell(book.loan, "B4", "39401", formats.date, false);
    expectCell(book.loan, "B5", "340.02", formats.money, false);
    expectCell(book.loan, "B6", "20.07", formats.money, false);
    EXPECT_TRUE(book.workbookPart.contains(R"(<sheet name="Schedule")"));
    EXPECT_TRUE(book.workbookPart.contains(R"(<sheet name="Loan")"));
    EXPECT_TRUE(book.properties.contains("<dc:title>Loan Payment Schedule</dc:title>"));

    // In the user's language: sheets' names as Excel takes them (English
    // where a translation leaves nothing), and a longer label widens its column.
    const TestLanguage german({{"Schedule", QStringLiteral("Plan: Zahlungen")},
                               {"Loan", QStringLiteral("[?]")},
                               {"Loan Payment Schedule", QStringLiteral("Tilgungsplan")},
                               {"Principal", QStringLiteral("Darlehensbetrag insgesamt")}});
    const Workbook translated = SaveAndRead(CalculatedGrid(money, "1000", "3", "12"), money, {1000, 12, 2007});
    EXPECT_TRUE(translated.workbookPart.contains(R"(<sheet name="Plan  Zahlungen")"));
    EXPECT_TRUE(translated.workbookPart.contains(R"(<sheet name="Loan")"));
    EXPECT_TRUE(translated.properties.contains("<dc:title>Tilgungsplan</dc:title>"));
    EXPECT_EQ(translated.loan.cells.at("A1").value, "Darlehensbetrag insgesamt");
    EXPECT_GE(translated.loan.widths.at(0), 27.0);
}

// The plan the Extra Payments window saves, below the loan on its sheet, its
// month named in the money's locale; without a plan the loan stands alone.
TEST(ScheduleWorkbook, TheLoanSheetListsThePlanOfExtraPayments) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    const ScheduleGrid grid = CalculatedGrid(money, "1000", "3", "12");
    ExtraPaymentPlan plan{Currency::FromDouble(100), Currency::FromDouble(0.5), 3, 2, {}, ExtraMode::LowerMyPayment};
    // Two extras with one payment, out of order, and one wider than the column.
    plan.oneTime = {{12, Currency::FromDouble(500)},
                    {12, Currency::FromDouble(9.75)},
                    {5, Currency::FromRaw(100'000'000'000'000'000)}};
    const Workbook book = SaveAndRead(grid, money, {1000, 12, 2007, WorkbookExtras{plan, 123.45, 7}});
    // The loan's own payment and months, which a schedule with extras no
    // longer shows in its first and last rows.
    EXPECT_EQ(book.loan.cells.at("B2").value, "7");
    EXPECT_EQ(book.loan.cells.at("B5").value, "123.45");
    const std::string moneyCode = FormatsFor(money).money;
    const auto shown = [&](int col, int row) {
        const auto cell = book.loan.cells.find(Ref(col, row));
        if (cell == book.loan.cells.end()) return std::string("-");
        const CellStyle& style = book.StyleOf(cell->second);
        const std::string type = !cell->second.type.empty()  ? "text"
                                 : style.format == moneyCode ? "money"
                                 : style.format == "0"       ? "integer"
                                                             : style.format;
        return cell->second.value + " " + type + (style.bold ? " bold" : "");
    };
    const std::vector<std::string> expected{"- | -",
                                            "Extra each month text bold | 100 money",
                                            "Starting with payment text bold | 2 integer",
                                            "Extra each year text bold | 0.5 money",
                                            "In month text bold | March text",
                                            "What the extra does text bold | Lower my payment text",
                                            "One-time extra payments text bold | -",
                                            "Payment text bold | Amount text bold",
                                            "12 integer | 500 money",
                                            "12 integer | 9.75 money",
                                            "5 integer | 10000000000000 money",
                                            "- | -"};
    for (int row = 7; row < 7 + static_cast<int>(expected.size()); ++row) {
        EXPECT_EQ(shown(0, row) + " | " + shown(1, row), expected.at(static_cast<std::size_t>(row - 7)));
    }
    EXPECT_GE(book.loan.widths.at(0), 25.0);  // "One-time extra payments"
    EXPECT_GE(book.loan.widths.at(1), 24.0);  // "$10,000,000,000,000.00"
    EXPECT_EQ(SaveAndRead(grid, money, {1000, 12, 2007}).loan.cells.size(), 12U);

    plan.oneTime.clear();
    for (const auto& [name, month, monthName] :
         {std::tuple{"de_DE", 12, "Dezember"}, std::tuple{"ar_EG", 5, "مايو"}, std::tuple{"en_US", 13, "-"}}) {
        plan.yearlyMonth = month;
        const LocaleMoneyFormatter local{QLocale(QString::fromLatin1(name))};
        const Workbook other = SaveAndRead(CalculatedGrid(local, "1000", "3", "12"), local,
                                           {1000, 12, 2007, WorkbookExtras{plan, 340.02, 3}});
        EXPECT_EQ(other.loan.cells.count("B11") == 0 ? "-" : other.loan.cells.at("B11").value, monthName) << name;
        EXPECT_EQ(other.loan.cells.at("B13").value, "None") << name;
    }
}

// Under a decimal-comma locale every number, widths too, is still written
// the C way; the extras are amounts under "Extra", in the workbook and the
// CSV of values alike.
TEST(ScheduleWorkbook, NumbersAreWrittenTheCWayUnderEveryLocaleAndExtrasAreAmounts) {
    for (const char* name : {"de_DE", "fr_FR", "ar_EG", "hi_IN"}) {
        SCOPED_TRACE(name);
        const ProgramNumericLocale program((std::string(name) + ".UTF-8").c_str());
        ASSERT_TRUE(program.InForce()) << "the locale isn't installed (package locales-all)";
        const LocaleMoneyFormatter money{QLocale(QString::fromLatin1(name))};
        const ExtraPaymentPlan plan{Currency::FromDouble(50), {}, 12, 1, {}, ExtraMode::PayOffSooner};
        const ScheduleGrid grid = ExtrasGrid(money, "250000", "360", "6.5", {31, 1, 2026}, plan);
        const WorkbookLoan terms{250000, 6.5, 2026, WorkbookExtras{plan, 1580.17, 360}};
        const Workbook book = SaveAndRead(grid, money, terms);
        for (const Sheet* sheet : {&book.schedule, &book.loan}) {
            for (const auto& [ref, cell] : sheet->cells) {
                if (cell.type.empty()) {
                    EXPECT_TRUE(IsCNumber(cell.value)) << ref << " " << cell.value;
                }
            }
        }
        ASSERT_EQ(book.schedule.widths.size(), 7U);
        EXPECT_GT(book.schedule.widths[0], 10.0);  // "1/31/2026" and wider, read the C way
        EXPECT_EQ(book.schedule.cells.at("C2").value, "1630.17");
        EXPECT_EQ(book.schedule.cells.at("G1").value, "Extra");
        EXPECT_EQ(book.schedule.cells.at("G2").value, "50");
        EXPECT_EQ(book.StyleOf(book.schedule.cells.at("G2")).format, FormatsFor(money).money);
        EXPECT_EQ(book.loan.cells.at("B3").value, "0.065");

        const QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("values.csv"));
        ASSERT_EQ(SaveScheduleFile(csv, ScheduleFileType::ValuesCsv, grid, money, terms), QString());
        const QList<QByteArray> lines = FileContents(csv).split('\n');
        EXPECT_EQ(lines.at(0), "Date,Number,Payment,Interest,Applied,Balance,Extra\r");
        EXPECT_EQ(lines.at(1), "2026-01-31,1,1630.17,1354.17,276.00,249724.00,50.00\r");
    }
}

}  // namespace
}  // namespace quillmere
