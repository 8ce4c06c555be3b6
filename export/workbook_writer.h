// What the program's workbooks share, inside the export library: a workbook
// in the making with libxlsxwriter (numbers written the C way, its parts in
// the temporary folder, a failure's reason in words for the user), its typed
// cells and their formats, the schedule's sheet, column widths, and the safe
// save of a finished workbook. Its types are libxlsxwriter's, so only the
// library's own files include it.
#pragma once

#include <QString>

#include <xlsxwriter.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "export/c_numeric_locale.h"
#include "export/schedule_values.h"
#include "export/spreadsheet_formats.h"

namespace quillmere {

inline constexpr double kColumnPadding = 2;
inline constexpr qsizetype kSheetNameMaximum = 31;  // Excel's, in UTF-16 code units

// `name` cut to at most `length` code units, never inside a character, and
// without blanks or an apostrophe at either end.
[[nodiscard]] QString FittedSheetName(QString name, qsizetype length = kSheetNameMaximum);

// `name` as Excel takes a sheet's name: each of []:*?/\, a line break or a
// tab made a space, then fitted (FittedSheetName()). Empty where nothing is left.
[[nodiscard]] QString CleanedSheetName(const QString& name);

// The name of one of the workbook's own sheets, `english` (marked for
// translation in `context`) in the user's language, cleaned as a sheet's
// name must be; English where a translation leaves nothing.
[[nodiscard]] QString OwnSheetName(const char* context, const char* english);

// Characters of a text as a spreadsheet counts them: one per code point.
[[nodiscard]] double TextWidth(const std::string& text);

// The width of a column whose widest text is `widestText` characters: a
// little padding, and never narrower than the spreadsheets' default.
[[nodiscard]] double ColumnWidth(double widestText);

// A workbook's cell formats, plain and bold; any other number format is
// made the first time it is asked for.
class CellFormats {
public:
    CellFormats(lxw_workbook* workbook, const SpreadsheetFormats& codes);

    struct Styles {
        lxw_format* text = nullptr;
        lxw_format* money = nullptr;
        lxw_format* date = nullptr;
        lxw_format* integer = nullptr;

        [[nodiscard]] lxw_format* For(CellValue::Kind kind) const;
    };
    Styles plain;
    Styles boldStyles;
    lxw_format* percent = nullptr;

    [[nodiscard]] const Styles& Of(bool bold) const { return bold ? boldStyles : plain; }
    // The format of number format `code`, bold or not.
    [[nodiscard]] lxw_format* Custom(const std::string& code, bool bold);

private:
    lxw_workbook* workbook_;
    std::map<std::pair<std::string, bool>, lxw_format*> custom_;
};

// Writes `cell` as its value: a number (an amount, a date's day number, an
// integer), a text, or nothing for an empty cell.
void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const CellValue& cell, lxw_format* format);

// The schedule's sheet: its header row and rows, every value typed, total
// rows bold, the header row and the Date and Number columns frozen.
void WriteScheduleSheet(lxw_worksheet* sheet, const ScheduleValues& values, const CellFormats& formats);

// A workbook being written to `path`, its parts in the making in the
// temporary folder, the numbers of every cell and width written the C way
// for as long as it lives (see CNumericLocale). Sheets are added, then
// filled, then Finish() says whether the whole of it was written.
class WorkbookWriter {
public:
    WorkbookWriter(const QString& path, const std::string& title, const LocaleMoneyFormatter& money,
                   const QString& temporaryFolder);
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;
    ~WorkbookWriter();

    // A new sheet named `name` (a valid, unused name), or nullptr once the
    // workbook can't be written: Finish() then says why.
    [[nodiscard]] lxw_worksheet* AddSheet(const std::string& name);
    // The workbook's formats; only once a sheet was added.
    [[nodiscard]] CellFormats& Formats() { return *formats_; }
    // Writes the workbook out: the reason for a failure, or an empty text.
    [[nodiscard]] QString Finish();

private:
    // Declared first so the C way outlasts the closing of the workbook.
    CNumericLocale numbers_;
    QString temporaryFolder_;
    std::string file_;
    std::string folder_;
    std::string title_;
    lxw_workbook* workbook_ = nullptr;
    std::unique_ptr<CellFormats> formats_;
    QString failure_;
};

// libxlsxwriter writes to a file name of its own choosing only, so a
// workbook is made by `write` (the file to write, the temporary folder) in
// the temporary folder, checked whole, and then saved to `path` like any
// file (see files/safe_file.h). The reason for a failure, or an empty text.
[[nodiscard]] QString SaveWorkbookSafely(
    const QString& path, const std::function<QString(const QString& file, const QString& temporaryFolder)>& write);

}  // namespace quillmere
