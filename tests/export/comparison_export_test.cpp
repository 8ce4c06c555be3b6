// The Compare Loans table leaving the program: its clipboard text and HTML
// table, and its workbook, read back from the XML of its parts and, in a
// decimal-comma locale, as LibreOffice Calc reads it.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "export/comparison_clipboard.h"
#include "export/comparison_workbook.h"
#include "export/schedule_files.h"
#include "export/schedule_html.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

const QString kLongName = QStringLiteral("Neighbourhood Savings/Loans of Quillmere");  // 40 characters
const QString kLongSheet = QStringLiteral("Neighbourhood Savings Loans of");           // cut to 31, trimmed

ComparisonCell Cell(ComparisonCell::Kind kind, const QString& text) {
    ComparisonCell cell;
    cell.kind = kind;
    cell.text = text;
    return cell;
}

// Three offers, the second's name with a tab, the third's too long for a
// sheet and with a slash; every kind of cell, texts as `money`'s locale
// writes them.
ComparisonValues Table(const LocaleMoneyFormatter& money, const QString& percentSign) {
    const auto amount = [&](std::int64_t cents, bool lowest = false) {
        ComparisonCell cell = Cell(ComparisonCell::Kind::Money, {});
        cell.money = {cents, 100};
        cell.text = QString::fromStdString(money.Format(cell.money));
        cell.lowest = lowest;
        return cell;
    };
    const auto count = [](long long value) {
        ComparisonCell cell = Cell(ComparisonCell::Kind::Count, QString::number(value));
        cell.count = value;
        return cell;
    };
    const auto percent = [&](double value, bool lowest = false) {
        ComparisonCell cell = Cell(ComparisonCell::Kind::Percent, money.Locale().toString(value, 'f', 3) + percentSign);
        cell.percent = value;
        cell.lowest = lowest;
        return cell;
    };
    const auto date = [&](QDate value) {
        ComparisonCell cell = Cell(ComparisonCell::Kind::Date, money.Locale().toString(value, QLocale::ShortFormat));
        cell.date = value;
        return cell;
    };
    const auto text = [](const char* shown) { return Cell(ComparisonCell::Kind::Text, QString::fromUtf8(shown)); };
    const ComparisonCell empty;
    return {{QStringLiteral("First Bank"), QStringLiteral("Credit\tUnion"), kLongName},
            {QStringLiteral("Monthly payment"), QStringLiteral("Number of payments"), QStringLiteral("APR (with fees)"),
             QStringLiteral("Last payment"), QStringLiteral("Break-even")},
            {{amount(34002), amount(33850, true), empty},
             {count(3), count(360), text("n/a\nrate")},
             {percent(6.695, true), percent(7.1), percent(12)},
             {date(QDate(2008, 1, 15)), date(QDate(2055, 12, 31)), empty},
             {empty, text("Month 14"), text("<never>")}}};
}

TEST(ComparisonClipboard, TextIsAsShownAndTheTableCarriesValues) {
    const LocaleMoneyFormatter money(QLocale(QLocale::English, QLocale::UnitedStates));
    const ComparisonValues values = Table(money, QStringLiteral("%"));
    const std::string expected =
        "\tFirst Bank\tCredit Union\tNeighbourhood Savings/Loans of Quillmere\n"
        "Monthly payment\t$340.02\t$338.50\t\n"
        "Number of payments\t3\t360\tn/a rate\n"
        "APR (with fees)\t6.695%\t7.100%\t12.000%\n"
        "Last payment\t1/15/08\t12/31/55\t\n"
        "Break-even\t\tMonth 14\t<never>\n";
    EXPECT_EQ(ComparisonTsv(values), expected);

    const SpreadsheetFormats formats = FormatsFor(money);
    const std::string html = ComparisonHtml(values, formats);
    const auto css = [](const std::string& code) {
        std::string escaped;
        for (const char c : code) escaped += c == '"' ? std::string("\\0022 ") : std::string(1, c);
        return HtmlEscaped("\"" + escaped + "\"");
    };
    for (const std::string& cell : std::vector<std::string>{
             "<tr><td></td><th>First Bank</th><th>Credit\tUnion</th>",
             "<th>Monthly payment</th><td sdval=\"340.02\" sdnum=\"1033;0;General\" x:num=\"340.02\" "
             "style=\"mso-number-format:" +
                 css(formats.money) + "\">$340.02</td>",
             "x:num=\"338.50\" style=\"mso-number-format:" + css(formats.money) + "\"><b>$338.50</b></td><td></td>",
             "x:num=\"360\" style=\"mso-number-format:" + css(formats.integer) + "\">360</td><td>n/a\nrate</td>",
             std::string("<td sdval=\"6.695\" sdnum=\"1033;0;General\" x:num=\"6.695\" ") +
                 "style=\"mso-number-format:&quot;0.000\\0022 %\\0022 &quot;\"><b>6.695%</b></td>",
             "x:num=\"7.100\"",
             "<td sdval=\"39462\" sdnum=\"1033;1033;YYYY-MM-DD\" x:num=\"39462\" style=\"mso-number-format:" +
                 css(formats.date) + "\">1/15/08</td>",
             "<th>Break-even</th><td></td><td>Month 14</td><td>&lt;never&gt;</td></tr>\n</table>",
         }) {
        EXPECT_NE(html.find(cell), std::string::npos) << cell << "\nin\n" << html;
    }
}

// Whatever the offers are called, their sheets' names are ones Excel takes.
TEST(ComparisonWorkbook, SheetNamesAreValidAndUnique) {
    const QString thirty = QString(30, QLatin1Char('x'));
    const QStringList names = ComparisonSheetNames({
        QStringLiteral("Bank"),
        QStringLiteral("BANK"),
        QStringLiteral("bank"),
        QStringLiteral("history"),
        QStringLiteral("Comparison"),
        QStringLiteral(" a[b]c:d*e?f/g\\h\ni "),
        QStringLiteral("''"),
        QStringLiteral(" "),
        kLongName,
        kLongName + QStringLiteral("!"),
        thirty + QStringLiteral("\U0001F600"),  // the 31st character is two code units
        QStringLiteral("Offer 8"),
    });
    const QStringList expected{
        QStringLiteral("Bank"),
        QStringLiteral("BANK (2)"),
        QStringLiteral("bank (3)"),
        QStringLiteral("history (2)"),
        QStringLiteral("Comparison (2)"),
        QStringLiteral("a b c d e f g h i"),
        QStringLiteral("Offer 7"),
        QStringLiteral("Offer 8"),
        kLongSheet,
        QStringLiteral("Neighbourhood Savings Loans (2)"),
        thirty,
        QStringLiteral("Offer 8 (2)"),
    };
    EXPECT_EQ(names, expected);
    for (const QString& name : names) EXPECT_LE(name.size(), 31) << name.toStdString();

    // In the user's language, the comparison's own sheet is named as Excel
    // takes it, and the offers keep clear of that name, not the English one.
    const TestLanguage german(
        {{"Comparison", QStringLiteral("Vergleich/Übersicht")}, {"Offer %1", QStringLiteral("Angebot %1")}});
    EXPECT_EQ(ComparisonSheetNames({QStringLiteral("vergleich übersicht"), QString(), QStringLiteral("Comparison")}),
              (QStringList{QStringLiteral("vergleich übersicht (2)"), QStringLiteral("Angebot 2"),
                           QStringLiteral("Comparison")}));
}

// A cell's value, type and look, in one text.
std::string Shown(const Sheet& sheet, const std::vector<CellStyle>& styles, const std::string& ref,
                  const SpreadsheetFormats& formats) {
    const auto cell = sheet.cells.find(ref);
    if (cell == sheet.cells.end()) return "-";
    const CellStyle& style = styles.at(static_cast<std::size_t>(cell->second.style));
    const std::string type = !cell->second.type.empty()      ? "text"
                             : style.format == formats.money ? "money"
                             : style.format == formats.date  ? "date"
                                                             : style.format;
    return cell->second.value + " " + type + (style.bold ? " bold" : "");
}

std::vector<std::string> SheetNames(const QByteArray& workbookPart) {
    std::vector<std::string> names;
    QXmlStreamReader xml(workbookPart);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet") {
            names.push_back(Attribute(xml, "name"));
        }
    }
    return names;
}

struct Offers {
    explicit Offers(const LocaleMoneyFormatter& money)
        : first(CalculatedGrid(money, "1000", "3", "12")),
          second(CalculatedGrid(money, "250000", "360", "6.5", {31, 1, 2026})),
          schedules{{QStringLiteral("First Bank"), nullptr, {}},
                    {QStringLiteral("Credit\tUnion"), &second, {250000, 6.5, 2026}},
                    {kLongName, &first, {1000, 12, 2007}}} {}
    ScheduleGrid first;
    ScheduleGrid second;
    std::vector<ComparisonSchedule> schedules;
};

// Under a decimal-comma locale: the comparison as typed cells, every number
// the C way, and each schedule's sheet as the schedule's own workbook writes
// it, named after its offer.
TEST(ComparisonWorkbook, TypedComparisonAndEachScheduleAsItsOwnWorkbookHasIt) {
    const ProgramNumericLocale program("de_DE.UTF-8");
    ASSERT_TRUE(program.InForce()) << "the locale isn't installed (package locales-all)";
    const LocaleMoneyFormatter money{QLocale(QStringLiteral("de_DE"))};
    const SpreadsheetFormats formats = FormatsFor(money);
    const Offers offers(money);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comparison.xlsx"));
    ASSERT_EQ(SaveComparisonFile(path, Table(money, QStringLiteral(" %")), offers.schedules, money), QString());

    const auto part = [&](const QString& file, const char* name) { return ZipPart(file, QString::fromLatin1(name)); };
    EXPECT_EQ(SheetNames(part(path, "xl/workbook.xml")),
              (std::vector<std::string>{"Comparison", "Credit Union", kLongSheet.toStdString()}));
    EXPECT_TRUE(part(path, "docProps/core.xml").contains("<dc:title>Loan Comparison</dc:title>"));
    const std::vector<CellStyle> styles = ReadStyles(part(path, "xl/styles.xml"));
    const Sheet comparison = ReadSheet(part(path, "xl/worksheets/sheet1.xml"));
    const std::vector<std::string> expected{
        "- | First Bank text bold | Credit\tUnion text bold | " + kLongName.toStdString() + " text bold",
        "Monthly payment text bold | 340.02 money | 338.5 money bold | -",
        "Number of payments text bold | 3 0 | 360 0 | n/a\nrate text",
        "APR (with fees) text bold | 6.695 0.000\" %\" bold | 7.1 0.000\" %\" | 12 0.000\" %\"",
        "Last payment text bold | 39462 date | 56979 date | -",
        "Break-even text bold | - | Month 14 text | <never> text",
    };
    for (int row = 1; row <= static_cast<int>(expected.size()); ++row) {
        std::string shown;
        for (const char col : {'A', 'B', 'C', 'D'}) {
            shown += (col == 'A' ? "" : " | ") + Shown(comparison, styles, col + std::to_string(row), formats);
        }
        EXPECT_EQ(shown, expected.at(static_cast<std::size_t>(row - 1)));
    }
    EXPECT_EQ(comparison.cells.size(), 20U);
    for (const auto& [ref, cell] : comparison.cells) {
        if (cell.type.empty()) {
            EXPECT_TRUE(IsCNumber(cell.value)) << ref << " " << cell.value;
        }
    }
    EXPECT_EQ(comparison.pane.at("xSplit"), "1");
    EXPECT_EQ(comparison.pane.at("ySplit"), "1");
    EXPECT_EQ(comparison.pane.at("state"), "frozen");
    ASSERT_EQ(comparison.widths.size(), 4U);
    EXPECT_GE(comparison.widths[0], 20.0);  // "Number of payments"
    EXPECT_GE(comparison.widths[3], 42.0);  // the long name
    EXPECT_LT(comparison.widths[1], 15.0);

    // Each schedule's cells, their values and looks, as in its own workbook.
    const auto cellsOf = [&](const QString& file, const char* sheetPart) {
        const Sheet sheet = ReadSheet(part(file, sheetPart));
        const std::vector<CellStyle> fileStyles = ReadStyles(part(file, "xl/styles.xml"));
        std::map<std::string, std::string> cells;
        for (const auto& [ref, cell] : sheet.cells) cells[ref] = Shown(sheet, fileStyles, ref, formats);
        return std::pair{cells, sheet.widths};
    };
    for (const auto& [schedule, sheetPart] : {std::pair{&offers.schedules[1], "xl/worksheets/sheet2.xml"},
                                              std::pair{&offers.schedules[2], "xl/worksheets/sheet3.xml"}}) {
        SCOPED_TRACE(sheetPart);
        const QString alone = dir.filePath(QStringLiteral("alone.xlsx"));
        ASSERT_EQ(SaveScheduleFile(alone, ScheduleFileType::Workbook, *schedule->grid, money, schedule->loan),
                  QString());
        const auto [cells, widths] = cellsOf(path, sheetPart);
        EXPECT_EQ(cells, cellsOf(alone, "xl/worksheets/sheet1.xml").first);
        EXPECT_EQ(widths, cellsOf(alone, "xl/worksheets/sheet1.xml").second);
        EXPECT_GT(cells.size(), 20U);
    }
    EXPECT_EQ(cellsOf(path, "xl/worksheets/sheet2.xml").first.at("C2"), "1580.17 money");
}

// The workbook and the clipboard's table as a German user's Calc reads them:
// numbers, dates and percentages as values, not texts.
TEST(ComparisonWorkbook, CalcReadsTheTypedCellsAsValues) {
    const ProgramNumericLocale program("de_DE.UTF-8");
    ASSERT_TRUE(program.InForce()) << "the locale isn't installed (package locales-all)";
    const LocaleMoneyFormatter money{QLocale(QStringLiteral("de_DE"))};
    const Offers offers(money);
    const ComparisonValues values = Table(money, QStringLiteral(" %"));
    const QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("comparison.xlsx"));
    const QString html = dir.filePath(QStringLiteral("comparison.html"));
    ASSERT_EQ(SaveComparisonFile(book, values, offers.schedules, money), QString());
    ASSERT_EQ(SaveFileSafely(html, QByteArray::fromStdString(ComparisonHtml(values, FormatsFor(money)))), QString());

    const QJsonArray calc = OpenInCalc("de_DE", {book, html + QStringLiteral(":html")});
    ASSERT_EQ(calc.size(), 2);
    const QJsonArray sheets = calc[0][QLatin1String("sheets")].toArray();
    ASSERT_EQ(sheets.size(), 3);
    EXPECT_EQ(sheets[1][QLatin1String("name")].toString(), QStringLiteral("Credit Union"));
    for (const int file : {0, 1}) {
        SCOPED_TRACE(file == 0 ? "workbook" : "html");
        const QJsonArray rows = Rows(calc[file]);
        const auto cell = [&](int row, int col) {
            const QJsonValue value = rows[row][col];
            return value[QLatin1String("t")].toString().toStdString() + " " +
                   QString::number(value[QLatin1String("v")].toDouble()).toStdString();
        };
        EXPECT_EQ(cell(1, 1), "number 340.02");
        EXPECT_EQ(cell(1, 2), "number 338.5");
        EXPECT_EQ(cell(2, 2), "number 360");
        EXPECT_EQ(cell(3, 1), "number 6.695");
        EXPECT_EQ(cell(3, 3), "number 12");
        EXPECT_EQ(cell(4, 1), "date 39462");
        EXPECT_EQ(rows[5][2][QLatin1String("v")].toString(), u"Month 14");
    }
    // The workbook shows them as the table does.
    const QJsonArray rows = Rows(calc[0]);
    EXPECT_EQ(rows[1][1][QLatin1String("s")].toString(), values.rows[0][0].text);
    EXPECT_EQ(rows[3][1][QLatin1String("s")].toString(), u"6,695 %");
}

}  // namespace
}  // namespace quillmere
