// ReportPrinter: the few printer operations the payment schedule report needs.
//
// The report builder talks to a printer through this interface only, so it
// stays free of any windowing or printing toolkit: the Qt adapter draws on a
// real printer, and tests record what the report asks for line by line.
//
// Failures are exceptions: an operation that cannot be carried out throws,
// and the report stops where it stands (nothing further is printed and the
// document is not ended).
#pragma once

#include <span>
#include <string_view>

namespace quillmere {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // The printer font. A family that does not exist on the machine falls back
    // to a fixed-pitch font: the report's columns rely on equal advances.
    virtual void SetFontName(std::string_view family) = 0;
    virtual void SetFontSize(int points) = 0;
    // The one style switch; the report uses it to emphasise its column header.
    virtual void SetFontBold(bool bold) = 0;

    // The character columns at which the fields of the lines printed from
    // now on begin, ascending. Each field, from its column up to the next,
    // is laid out on its own: a right-to-left text keeps its reading order
    // inside its field, and nothing in one field (a glyph wider than a
    // character cell, say) can move another. Until the first call a line is
    // one field.
    virtual void SetFieldColumns(std::span<const int> columns) = 0;

    // 1 on the first page of a document, raised by one by each NewPage().
    [[nodiscard]] virtual int Page() const = 0;

    // Prints `text` from the start of a line and ends the line after it. Each
    // CR LF inside the text also ends a line, so a CR LF at the start, or two
    // line ends in a row, leave an empty line.
    virtual void Print(std::string_view text) = 0;

    // Ends the current page. The next sheet is only started by further output:
    // EndDoc() right after NewPage() adds no empty sheet.
    virtual void NewPage() = 0;

    // Ends the print job and hands it to the printer.
    virtual void EndDoc() = 0;
};

// The line end inside a printed text.
inline constexpr std::string_view kLineBreak = "\r\n";

}  // namespace quillmere
