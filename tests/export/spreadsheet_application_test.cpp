// The saved files opened in a real spreadsheet: LibreOffice Calc, headless,
// in four locales, converts them to its own flat XML, which says what each
// cell became. A development check: skipped where LibreOffice isn't
// installed, and not something the program needs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <cmath>
#include <vector>

#include "export/schedule_files.h"
#include "export/schedule_html.h"
#include "export/spreadsheet_formats.h"
#include "tests/export/export_fixtures.h"

namespace quillmere {
namespace {

struct CalcCell {
    QString type;   // "float", "currency", "date", "string", or empty
    QString value;  // office:value, or office:date-value for a date
};
using CalcRows = std::vector<std::vector<CalcCell>>;

// The first sheet's rows, each cut to the schedule's seven columns.
CalcRows ReadFlatSheet(const QByteArray& fods) {
    CalcRows rows;
    QXmlStreamReader xml(fods);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == u"table") break;
            continue;
        }
        if (xml.name() == u"table-row") rows.emplace_back();
        if (xml.name() != u"table-cell" || rows.empty()) continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const int repeated = std::max(1, attributes.value(QLatin1String("table:number-columns-repeated")).toInt());
        const QString type = attributes.value(QLatin1String("office:value-type")).toString();
        const QString value = type == u"date" ? attributes.value(QLatin1String("office:date-value")).toString()
                                              : attributes.value(QLatin1String("office:value")).toString();
        for (int i = 0; i < repeated && rows.back().size() < ScheduleGrid::kColumns; ++i) {
            rows.back().push_back({type, value});
        }
    }
    return rows;
}

// LibreOffice, opening `file` as a user of `locale` would, saved as flat XML.
class Calc {
public:
    Calc() : soffice_(QStandardPaths::findExecutable(QStringLiteral("soffice"))) {}
    [[nodiscard]] bool Installed() const { return !soffice_.isEmpty(); }

    // `filter`: the import filter, where Calc is to read `file` as a web page
    // pasted into it rather than open it as a document of its own.
    CalcRows Open(const QString& file, const char* locale, const QString& filter = QString()) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString name = QString::fromLatin1(locale) + QStringLiteral(".UTF-8");
        environment.insert(QStringLiteral("LC_ALL"), name);
        environment.insert(QStringLiteral("LANG"), name);
        process.setProcessEnvironment(environment);
        const QString out = profile_.filePath(QString::fromLatin1(locale));
        QStringList arguments{QStringLiteral("-env:UserInstallation=") +
                                  QUrl::fromLocalFile(profile_.filePath(QStringLiteral("profile"))).toString(),
                              QStringLiteral("--headless"),
                              QStringLiteral("--convert-to"),
                              QStringLiteral("fods"),
                              QStringLiteral("--outdir"),
                              out,
                              file};
        if (!filter.isEmpty()) arguments << QStringLiteral("--infilter=") + filter;
        process.start(soffice_, arguments);
        EXPECT_TRUE(process.waitForFinished(180000));
        QFile converted(QDir(out).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".fods")));
        EXPECT_TRUE(converted.open(QIODevice::ReadOnly)) << converted.fileName().toStdString();
        return ReadFlatSheet(converted.readAll());
    }

private:
    QString soffice_;
    QTemporaryDir profile_;
};

// Every amount a number, every payment date a date, and the payment rows'
// sum the shown amounts added up.
void ExpectValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, const CalcRows& rows,
                  bool amountsAreNumbers) {
    ASSERT_GE(rows.size(), static_cast<std::size_t>(grid.Rows()));
    double calcSum = 0;
    std::int64_t shownSum = 0;
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::vector<CalcCell>& cells = rows[static_cast<std::size_t>(row)];
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(ScheduleGrid::kColumns)) << row;
        for (int col = kColPayment; col <= kColBalance && amountsAreNumbers; ++col) {
            if (grid.TextMatrix(row, col).empty()) continue;
            const QString& type = cells[static_cast<std::size_t>(col)].type;
            EXPECT_TRUE(type == u"float" || type == u"currency") << grid.TextMatrix(row, col);
        }
        const bool payment =
            !grid.TextMatrix(row, kColDate).empty() && grid.TextMatrix(row, kColDate) != kYearTotalsMarker;
        if (!payment) continue;
        EXPECT_EQ(cells[kColDate].type, QStringLiteral("date")) << grid.TextMatrix(row, kColDate);
        EXPECT_EQ(cells[kColNumber].type, QStringLiteral("float"));
        calcSum += cells[kColPayment].value.toDouble();
        shownSum += money.Parse(grid.TextMatrix(row, kColPayment))->minorUnits;
    }
    if (amountsAreNumbers) {
        EXPECT_NEAR(calcSum, static_cast<double>(shownSum) / static_cast<double>(money.MinorPerUnit()), 0.001);
    }
}

TEST(SpreadsheetApplication, CalcOpensTheWorkbookAndTheValuesCsvAsNumbersAndDates) {
    Calc calc;
    if (!calc.Installed()) GTEST_SKIP() << "LibreOffice (soffice) is not installed: nothing to open the files with";
    const QTemporaryDir dir;
    for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
        SCOPED_TRACE(name);
        const LocaleMoneyFormatter money{QLocale(QString::fromLatin1(name))};
        const ScheduleGrid grid = CalculatedGrid(money, "250000", "360", "6.5", {31, 1, 2026});
        const QString workbook = dir.filePath(QStringLiteral("%1.xlsx").arg(QString::fromLatin1(name)));
        const QString csv = dir.filePath(QStringLiteral("%1.csv").arg(QString::fromLatin1(name)));
        const WorkbookLoan terms{250000, 6.5, 2026};
        ASSERT_EQ(SaveScheduleFile(workbook, ScheduleFileType::Workbook, grid, money, terms), QString());
        ASSERT_EQ(SaveScheduleFile(csv, ScheduleFileType::ValuesCsv, grid, money, terms), QString());
        ExpectValues(grid, money, calc.Open(workbook, name), true);
        // Calc 7.4's CSV defaults read a plain number only in the locale's
        // own notation: "340.02" stays text where the decimal point is a
        // comma (de_DE, fr_FR). Dates and payment numbers are read in every
        // locale.
        const bool periodLocale = QLocale(QString::fromLatin1(name)).decimalPoint() == QStringLiteral(".");
        ExpectValues(grid, money, calc.Open(csv, name), periodLocale);
        // The clipboard's table, as Calc reads a pasted one.
        const QString html = dir.filePath(QStringLiteral("%1.html").arg(QString::fromLatin1(name)));
        const ScheduleValues values = ReadScheduleValues(grid, money, terms.firstPaymentYear);
        ASSERT_EQ(SaveFileSafely(html, QByteArray::fromStdString(ScheduleHtmlTable(
                                           values, FormatsFor(money), GridCellRange{1, grid.Rows() - 1, 0, 6}))),
                  QString());
        ExpectValues(grid, money, calc.Open(html, name, QStringLiteral("HTML (StarCalc)")), true);
    }
}

}  // namespace
}  // namespace quillmere
