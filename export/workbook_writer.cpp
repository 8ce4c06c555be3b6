#include "export/workbook_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cerrno>

#include "export/workbook_check.h"
#include "files/safe_file.h"

namespace quillmere {
namespace {

constexpr double kMinimumColumnWidth = 8.43;  // the spreadsheets' default, in characters
QString NoMemory() {
    return QCoreApplication::translate("WorkbookWriter", "There is not enough memory to write the workbook.");
}

lxw_format* AddFormat(lxw_workbook* workbook, const char* code, bool bold) {
    lxw_format* format = workbook_add_format(workbook);
    if (format == nullptr) return nullptr;
    if (code != nullptr) format_set_num_format(format, code);
    if (bold) format_set_bold(format);
    return format;
}

// Every column as wide as its widest text; a date shows its year in four
// digits where the grid has two.
std::array<double, ScheduleGrid::kColumns> ScheduleColumnWidths(const ScheduleValues& values) {
    std::array<double, ScheduleGrid::kColumns> widths{};
    for (std::size_t col = 0; col < widths.size(); ++col) widths[col] = TextWidth(values.headers[col]);
    for (const ScheduleRowValues& row : values.rows) {
        for (std::size_t col = 0; col < widths.size(); ++col) {
            const CellValue& cell = row.cells[col];
            const double width = TextWidth(cell.text) + (cell.kind == CellValue::Kind::Date ? 2 : 0);
            widths[col] = std::max(widths[col], width);
        }
    }
    for (double& width : widths) width = ColumnWidth(width);
    return widths;
}

// libxlsxwriter's errors that come from a failed call to the system, whose
// errno says why.
bool IsSystemFailure(lxw_error error) {
    switch (error) {
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return true;
        default:
            return false;
    }
}

// Every file libxlsxwriter writes lies in the temporary folder: why writing
// there failed, from the system's error where it made one, or else in
// libxlsxwriter's words.
QString TemporaryFolderFailure(const QString& folder, lxw_error error, int systemError) {
    if (error == LXW_ERROR_MEMORY_MALLOC_FAILED) return NoMemory();
    if (systemError == ENOSPC) return TemporaryFolderFullReason(folder);
    QString why = systemError != 0 ? qt_error_string(systemError) : QString::fromUtf8(lxw_strerror(error));
    while (why.endsWith(QLatin1Char('.'))) why.chop(1);
    //: %1 is the folder; %2 the system's reason, without its full stop
    return QCoreApplication::translate("WorkbookWriter",
                                       "The workbook could not be written in the temporary folder %1: %2.")
        .arg(QDir::toNativeSeparators(folder), why);
}

}  // namespace

double TextWidth(const std::string& text) {
    return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;  // not a continuation byte
    }));
}

double ColumnWidth(double widestText) { return std::max(widestText + kColumnPadding, kMinimumColumnWidth); }

QString FittedSheetName(QString name, qsizetype length) {
    const auto isEnd = [](QChar c) { return c.isSpace() || c == QLatin1Char('\''); };
    if (name.size() > length) {
        name.truncate(length);
        if (name.back().isHighSurrogate()) name.chop(1);
    }
    while (!name.isEmpty() && isEnd(name.front())) name.remove(0, 1);
    while (!name.isEmpty() && isEnd(name.back())) name.chop(1);
    return name;
}

QString CleanedSheetName(const QString& name) {
    QString cleaned = name;
    for (QChar& c : cleaned) {
        const bool lineOrControl = c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
                                   c.category() == QChar::Separator_Paragraph;
        if (lineOrControl || QStringLiteral("[]:*?/\\").contains(c)) c = QLatin1Char(' ');
    }
    return FittedSheetName(cleaned);
}

QString OwnSheetName(const char* context, const char* english) {
    // A translation is checked like any name: libxlsxwriter refuses a sheet
    // with a name Excel would not take, and the workbook with it.
    const QString name = CleanedSheetName(QCoreApplication::translate(context, english));
    return name.isEmpty() ? QString::fromUtf8(english) : name;
}

CellFormats::CellFormats(lxw_workbook* workbook, const SpreadsheetFormats& codes) : workbook_(workbook) {
    for (const bool bold : {false, true}) {
        Styles& styles = bold ? boldStyles : plain;
        styles.text = AddFormat(workbook, nullptr, bold);
        styles.money = AddFormat(workbook, codes.money.c_str(), bold);
        styles.date = AddFormat(workbook, codes.date.c_str(), bold);
        styles.integer = AddFormat(workbook, codes.integer.c_str(), bold);
    }
    percent = AddFormat(workbook, codes.percent.c_str(), false);
}

lxw_format* CellFormats::Styles::For(CellValue::Kind kind) const {
    switch (kind) {
        case CellValue::Kind::Money:
            return money;
        case CellValue::Kind::Date:
            return date;
        case CellValue::Kind::Integer:
            return integer;
        case CellValue::Kind::Text:
        case CellValue::Kind::Empty:
            break;
    }
    return text;
}

lxw_format* CellFormats::Custom(const std::string& code, bool bold) {
    lxw_format*& format = custom_[{code, bold}];
    if (format == nullptr) format = AddFormat(workbook_, code.c_str(), bold);
    return format;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const CellValue& cell, lxw_format* format) {
    switch (cell.kind) {
        case CellValue::Kind::Money:
            worksheet_write_number(sheet, row, col, cell.money.ToDouble(), format);
            break;
        case CellValue::Kind::Date:
            worksheet_write_number(sheet, row, col, static_cast<double>(SpreadsheetDateSerial(cell.date)), format);
            break;
        case CellValue::Kind::Integer:
            worksheet_write_number(sheet, row, col, static_cast<double>(cell.integer), format);
            break;
        case CellValue::Kind::Text:
            worksheet_write_string(sheet, row, col, cell.text.c_str(), format);
            break;
        case CellValue::Kind::Empty:
            break;
    }
}

void WriteScheduleSheet(lxw_worksheet* sheet, const ScheduleValues& values, const CellFormats& formats) {
    const std::array<double, ScheduleGrid::kColumns> widths = ScheduleColumnWidths(values);
    for (std::size_t col = 0; col < widths.size(); ++col) {
        const auto column = static_cast<lxw_col_t>(col);
        worksheet_set_column(sheet, column, column, widths[col], nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 2);
    for (std::size_t col = 0; col < values.headers.size(); ++col) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(col), values.headers[col].c_str(),
                               formats.boldStyles.text);
    }
    lxw_row_t sheetRow = 1;
    for (const ScheduleRowValues& row : values.rows) {
        const CellFormats::Styles& styles = formats.Of(row.IsTotals());
        for (std::size_t col = 0; col < row.cells.size(); ++col) {
            const CellValue& cell = row.cells[col];
            WriteCell(sheet, sheetRow, static_cast<lxw_col_t>(col), cell, styles.For(cell.kind));
        }
        ++sheetRow;
    }
}

WorkbookWriter::WorkbookWriter(const QString& path, const std::string& title, const LocaleMoneyFormatter& money,
                               const QString& temporaryFolder)
    : temporaryFolder_(temporaryFolder),
      file_(path.toStdString()),
      folder_(temporaryFolder.toStdString()),
      title_(title) {
    // libxlsxwriter prints every number with the C library: "1580,17" under
    // a decimal-comma locale, which a spreadsheet reads as 1580.
    if (!numbers_.InForce()) {
        failure_ = NoMemory();
        return;
    }
    lxw_workbook_options options{};
    // Rows are streamed to the sheet's file as they are written, so even the
    // longest schedule needs little memory.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder_.data();
    workbook_ = workbook_new_opt(file_.c_str(), &options);
    if (workbook_ == nullptr) {
        failure_ = NoMemory();
        return;
    }
    lxw_doc_properties properties{};
    properties.title = title_.data();
    workbook_set_properties(workbook_, &properties);
    formats_ = std::make_unique<CellFormats>(workbook_, FormatsFor(money));
}

WorkbookWriter::~WorkbookWriter() {
    if (workbook_ != nullptr) workbook_close(workbook_);
}

lxw_worksheet* WorkbookWriter::AddSheet(const std::string& name) {
    if (!failure_.isEmpty()) return nullptr;
    // A sheet's rows go to a file of its own in the temporary folder.
    errno = 0;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
    if (sheet == nullptr) failure_ = TemporaryFolderFailure(temporaryFolder_, LXW_ERROR_CREATING_TMPFILE, errno);
    return sheet;
}

QString WorkbookWriter::Finish() {
    if (!failure_.isEmpty()) return failure_;
    errno = 0;
    const lxw_error closed = workbook_close(std::exchange(workbook_, nullptr));
    const int systemError = errno;
    if (closed == LXW_NO_ERROR) return {};
    failure_ = TemporaryFolderFailure(temporaryFolder_, closed, IsSystemFailure(closed) ? systemError : 0);
    return failure_;
}

QString SaveWorkbookSafely(const QString& path,
                           const std::function<QString(const QString& file, const QString& temporaryFolder)>& write) {
    const QString folder = QDir::tempPath();
    QTemporaryFile workbook(QDir(folder).filePath(QStringLiteral("quillmere-XXXXXX.xlsx")));
    if (!workbook.open()) {
        //: %1 is the folder; %2 a sentence saying why
        return QCoreApplication::translate("WorkbookWriter", "The temporary folder %1 can't be used. %2")
            .arg(QDir::toNativeSeparators(folder), OpenFailureReason(workbook));
    }
    workbook.close();
    QString failure = write(workbook.fileName(), folder);
    if (!failure.isEmpty()) return failure;
    if (!workbook.open()) return OpenFailureReason(workbook);
    const QByteArray bytes = workbook.readAll();
    // A part cut short can only come from a write into the folder that failed.
    if (!IsWholeWorkbook(bytes)) return TemporaryFolderFullReason(folder);
    return SaveFileSafely(path, bytes);
}

}  // namespace quillmere
