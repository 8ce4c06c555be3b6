#include "export/schedule_html.h"

#include <algorithm>

#include "export/values_csv.h"

namespace quillmere {
namespace {

// `code` inside a double-quoted CSS string: its quotes and backslashes
// escaped, each escape ended by the space CSS consumes after it.
std::string CssString(const std::string& code) {
    std::string css = "\"";
    for (const char c : code) {
        if (c == '"') {
            css += "\\0022 ";
        } else if (c == '\\') {
            css += "\\005C ";
        } else {
            css += c;
        }
    }
    return css + '"';
}

const std::string* FormatCode(const CellValue& cell, const SpreadsheetFormats& formats) {
    switch (cell.kind) {
        case CellValue::Kind::Money:
            return &formats.money;
        case CellValue::Kind::Date:
            return &formats.date;
        case CellValue::Kind::Integer:
            return &formats.integer;
        case CellValue::Kind::Text:
        case CellValue::Kind::Empty:
            break;
    }
    return nullptr;
}

std::string CellNumber(const CellValue& cell) {
    return cell.kind == CellValue::Kind::Date ? std::to_string(SpreadsheetDateSerial(cell.date)) : PlainValue(cell);
}

void AppendCell(std::string& html, const CellValue& cell, const SpreadsheetFormats& formats) {
    const std::string* code = FormatCode(cell, formats);
    html += code == nullptr ? HtmlValueCell(cell.text, {}, {}, false)
                            : HtmlValueCell(cell.text, CellNumber(cell), *code, cell.kind == CellValue::Kind::Date);
}

}  // namespace

std::string HtmlEscaped(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string HtmlValueCell(const std::string& text, const std::string& number, const std::string& format, bool date,
                          bool bold) {
    const std::string shown = bold ? "<b>" + HtmlEscaped(text) + "</b>" : HtmlEscaped(text);
    if (format.empty()) return "<td>" + shown + "</td>";
    std::string html = "<td sdval=\"" + number + "\"";
    // Calc's HTML import reads sdval only beside an sdnum, and takes only its
    // own built-in formats: the ISO date, the same in every locale, and for
    // numbers "General" in the user's own notation.
    html += date ? " sdnum=\"1033;1033;YYYY-MM-DD\"" : " sdnum=\"1033;0;General\"";
    return html + " x:num=\"" + number + "\" style=\"mso-number-format:" + HtmlEscaped(CssString(format)) + "\">" +
           shown + "</td>";
}

std::string HtmlTableDocument(const std::string& rows) {
    return "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head><meta charset=\"utf-8\"></head>"
           "<body><table>\n" +
           rows + "</table></body></html>\n";
}

std::string ScheduleHtmlTable(const ScheduleValues& values, const SpreadsheetFormats& formats, GridCellRange cells) {
    cells.firstRow = std::max(cells.firstRow, 1);
    cells.lastRow = std::min(cells.lastRow, static_cast<int>(values.rows.size()));
    cells.firstCol = std::max(cells.firstCol, 0);
    cells.lastCol = std::min(cells.lastCol, ScheduleGrid::kColumns - 1);
    std::string html = "<tr>";
    for (int col = cells.firstCol; col <= cells.lastCol; ++col) {
        html += "<th>" + HtmlEscaped(values.headers[static_cast<std::size_t>(col)]) + "</th>";
    }
    html += "</tr>\n";
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        const ScheduleRowValues& rowValues = values.rows[static_cast<std::size_t>(row - 1)];
        html += rowValues.IsTotals() ? "<tr style=\"font-weight:bold\">" : "<tr>";
        for (int col = cells.firstCol; col <= cells.lastCol; ++col) {
            AppendCell(html, rowValues.cells[static_cast<std::size_t>(col)], formats);
        }
        html += "</tr>\n";
    }
    return HtmlTableDocument(html);
}

}  // namespace quillmere
