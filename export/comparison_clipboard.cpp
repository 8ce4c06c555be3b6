#include "export/comparison_clipboard.h"

#include <algorithm>

#include "export/schedule_html.h"

namespace quillmere {
namespace {

void AppendTsvCell(std::string& out, const QString& text) {
    const std::size_t start = out.size();
    out += text.toStdString();
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
        [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
}

// The cell of `figure` for `offer`: an empty one where a short row lacks it.
const ComparisonCell& CellAt(const ComparisonValues& values, qsizetype figure, qsizetype offer) {
    static const ComparisonCell kNone;
    const auto row = static_cast<std::size_t>(figure);
    const auto col = static_cast<std::size_t>(offer);
    return row < values.rows.size() && col < values.rows[row].size() ? values.rows[row][col] : kNone;
}

}  // namespace

std::string ComparisonTsv(const ComparisonValues& values) {
    std::string out;
    for (const QString& offer : values.offerNames) {
        out += '\t';
        AppendTsvCell(out, offer);
    }
    out += '\n';
    for (qsizetype figure = 0; figure < values.figureNames.size(); ++figure) {
        AppendTsvCell(out, values.figureNames[figure]);
        for (qsizetype offer = 0; offer < values.offerNames.size(); ++offer) {
            out += '\t';
            AppendTsvCell(out, CellAt(values, figure, offer).text);
        }
        out += '\n';
    }
    return out;
}

std::string ComparisonHtml(const ComparisonValues& values, const SpreadsheetFormats& formats) {
    std::string rows = "<tr><td></td>";
    for (const QString& offer : values.offerNames) rows += "<th>" + HtmlEscaped(offer.toStdString()) + "</th>";
    rows += "</tr>\n";
    for (qsizetype figure = 0; figure < values.figureNames.size(); ++figure) {
        rows += "<tr><th>" + HtmlEscaped(values.figureNames[figure].toStdString()) + "</th>";
        for (qsizetype offer = 0; offer < values.offerNames.size(); ++offer) {
            const ComparisonCell& cell = CellAt(values, figure, offer);
            const std::optional<SpreadsheetNumber> number = SpreadsheetNumberOf(cell, formats);
            rows += number ? HtmlValueCell(cell.text.toStdString(), number->number, number->format, number->date,
                                           cell.lowest)
                           : HtmlValueCell(cell.text.toStdString(), {}, {}, false, cell.lowest);
        }
        rows += "</tr>\n";
    }
    return HtmlTableDocument(rows);
}

}  // namespace quillmere
