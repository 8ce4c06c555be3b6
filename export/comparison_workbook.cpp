#include "export/comparison_workbook.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <string>

#include "export/schedule_files.h"
#include "export/workbook_writer.h"

namespace quillmere {
namespace {

constexpr char kContext[] = "ComparisonWorkbook";
//: The name of the workbook's sheet that holds the Compare Loans table
constexpr char kComparisonSheet[] = QT_TRANSLATE_NOOP("ComparisonWorkbook", "Comparison");

// The table's cell of `figure` for `offer`: an empty one where a short row
// lacks it.
const ComparisonCell& CellAt(const ComparisonValues& values, std::size_t figure, std::size_t offer) {
    static const ComparisonCell kNone;
    return figure < values.rows.size() && offer < values.rows[figure].size() ? values.rows[figure][offer] : kNone;
}

void WriteComparisonSheet(lxw_worksheet* sheet, const ComparisonValues& values, CellFormats& formats,
                          const SpreadsheetFormats& codes) {
    const auto offers = static_cast<std::size_t>(values.offerNames.size());
    const auto figures = static_cast<std::size_t>(values.figureNames.size());
    std::vector<double> widths(offers + 1);
    for (std::size_t figure = 0; figure < figures; ++figure) {
        widths[0] = std::max(widths[0], TextWidth(values.figureNames[static_cast<qsizetype>(figure)].toStdString()));
    }
    for (std::size_t offer = 0; offer < offers; ++offer) {
        double& width = widths[offer + 1];
        width = TextWidth(values.offerNames[static_cast<qsizetype>(offer)].toStdString());
        for (std::size_t figure = 0; figure < figures; ++figure) {
            const ComparisonCell& cell = CellAt(values, figure, offer);
            // A date shows its year in four digits, maybe two more than the table.
            const double extra = cell.kind == ComparisonCell::Kind::Date ? 2 : 0;
            width = std::max(width, TextWidth(cell.text.toStdString()) + extra);
        }
    }
    for (std::size_t col = 0; col < widths.size(); ++col) {
        const auto column = static_cast<lxw_col_t>(col);
        worksheet_set_column(sheet, column, column, ColumnWidth(widths[col]), nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 1);

    for (std::size_t offer = 0; offer < offers; ++offer) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(offer + 1),
                               values.offerNames[static_cast<qsizetype>(offer)].toStdString().c_str(),
                               formats.boldStyles.text);
    }
    for (std::size_t figure = 0; figure < figures; ++figure) {
        const auto row = static_cast<lxw_row_t>(figure + 1);
        worksheet_write_string(sheet, row, 0, values.figureNames[static_cast<qsizetype>(figure)].toStdString().c_str(),
                               formats.boldStyles.text);
        for (std::size_t offer = 0; offer < offers; ++offer) {
            const ComparisonCell& cell = CellAt(values, figure, offer);
            const auto col = static_cast<lxw_col_t>(offer + 1);
            const std::optional<SpreadsheetNumber> number = SpreadsheetNumberOf(cell, codes);
            if (number) {
                double value = 0;
                std::from_chars(number->number.data(), number->number.data() + number->number.size(), value);
                worksheet_write_number(sheet, row, col, value, formats.Custom(number->format, cell.lowest));
            } else if (!cell.text.isEmpty()) {
                worksheet_write_string(sheet, row, col, cell.text.toStdString().c_str(), formats.Of(cell.lowest).text);
            }
        }
    }
}

}  // namespace

QStringList ComparisonSheetNames(const QStringList& offers) {
    // "History" is Excel's own, whatever the language of the table.
    QSet<QString> taken{OwnSheetName(kContext, kComparisonSheet).toCaseFolded(), QStringLiteral("history")};
    QStringList names;
    for (qsizetype i = 0; i < offers.size(); ++i) {
        QString base = CleanedSheetName(offers[i]);
        if (base.isEmpty()) {
            //: The name of the sheet of an offer without a name; %1 is its place among the offers, from 1
            base = CleanedSheetName(QCoreApplication::translate("ComparisonWorkbook", "Offer %1").arg(i + 1));
        }
        if (base.isEmpty()) base = QStringLiteral("Offer %1").arg(i + 1);
        QString name = base;
        for (int copy = 2; taken.contains(name.toCaseFolded()); ++copy) {
            const QString suffix = QStringLiteral(" (%1)").arg(copy);
            name = FittedSheetName(base, kSheetNameMaximum - suffix.size()) + suffix;
        }
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

QString WriteComparisonWorkbook(const QString& path, const ComparisonValues& values,
                                const std::vector<ComparisonSchedule>& schedules, const LocaleMoneyFormatter& money,
                                const QString& temporaryFolder) {
    //: The workbook's title, in its document properties
    WorkbookWriter workbook(path, QCoreApplication::translate("ComparisonWorkbook", "Loan Comparison").toStdString(),
                            money, temporaryFolder);
    lxw_worksheet* comparison = workbook.AddSheet(OwnSheetName(kContext, kComparisonSheet).toStdString());
    if (comparison == nullptr) return workbook.Finish();
    WriteComparisonSheet(comparison, values, workbook.Formats(), FormatsFor(money));
    QStringList offers;
    for (const ComparisonSchedule& schedule : schedules) offers << schedule.name;
    const QStringList names = ComparisonSheetNames(offers);
    for (std::size_t i = 0; i < schedules.size(); ++i) {
        const ComparisonSchedule& schedule = schedules[i];
        if (schedule.grid == nullptr) continue;
        lxw_worksheet* sheet = workbook.AddSheet(names[static_cast<qsizetype>(i)].toStdString());
        if (sheet == nullptr) break;
        WriteScheduleSheet(sheet, ReadScheduleValues(*schedule.grid, money, schedule.loan), workbook.Formats());
    }
    return workbook.Finish();
}

QString SaveComparisonFile(const QString& path, const ComparisonValues& values,
                           const std::vector<ComparisonSchedule>& schedules, const LocaleMoneyFormatter& money) {
    return SaveWorkbookSafely(path, [&](const QString& file, const QString& temporaryFolder) {
        return WriteComparisonWorkbook(file, values, schedules, money, temporaryFolder);
    });
}

}  // namespace quillmere
