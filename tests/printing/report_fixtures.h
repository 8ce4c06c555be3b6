// For the report tests: grids filled by hand as the calculation leaves them, and a
// printer that records every call and line (a CR LF ends a line, as on a real one).
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "printing/schedule_report.h"

namespace quillmere::testing {

using RowTexts = std::array<std::string, 6>;

// Principal 1000, 3 months at 12 %, first payment on 15 November 2007.
inline const std::vector<RowTexts> kWorkedExample = {{"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98"},
                                                     {"12/15/07", "2", "$340.02", "$6.70", "$333.32", "$336.66"},
                                                     {"Year Totals", "", "$680.04", "$16.70", "$663.34", ""},
                                                     {"01/15/08", "3", "$340.02", "$3.37", "$336.66", "$0.00"},
                                                     {"Year Totals", "", "$340.02", "$3.37", "$336.66", ""},
                                                     {"", "Totals", "$1,020.07", "$20.07", "", ""}};

// A reset grid holding these texts in columns 0 to 5 from row 1 on, the rows
// labelled "Year Totals" and "Totals" marked as such, as the calculation
// marks them.
inline ScheduleGrid Grid(const std::vector<RowTexts>& rows) {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(static_cast<int>(rows.size()) + 1);
    for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
        const RowTexts& texts = rows[static_cast<std::size_t>(row - 1)];
        for (int col = 0; col < 6; ++col) grid.SetTextMatrix(row, col, texts[static_cast<std::size_t>(col)]);
        if (texts[kColDate] == kYearTotalsMarker) grid.SetRowKind(row, GridRowKind::YearTotals);
        if (texts[kColNumber] == kTotalsMarker) grid.SetRowKind(row, GridRowKind::Totals);
    }
    return grid;
}

// 61 rows with a "Year Totals" row every 13: five of them on the first page
// (rows 2, 15, 28, 41 and 54), row 61 alone on the second.
inline ScheduleGrid YearlyGrid() {
    std::vector<RowTexts> rows;
    for (int row = 1; row <= 61; ++row) {
        const std::string n = std::to_string(row);
        rows.push_back({row % 13 == 2 ? "Year Totals" : "12/15/07", n, "$340.02", "$1" + n, "$230.77", "$12,3" + n});
    }
    return Grid(rows);
}

class RecordingPrinter final : public ReportPrinter {
public:
    std::vector<std::string> calls;
    // The lines of each sheet. As on a real printer, a sheet starts with its
    // first output, so a NewPage() with nothing after it leaves none.
    std::vector<std::vector<std::string>> pages;

    explicit RecordingPrinter(const ScheduleGrid& grid, const ReportWords& words = {}) {
        PrintScheduleReport(*this, grid, words);
    }

    void SetFontName(std::string_view family) override { calls.push_back("font " + std::string(family)); }
    void SetFontSize(int points) override { calls.push_back("size " + std::to_string(points)); }
    void SetFontBold(bool bold) override { calls.emplace_back(bold ? "bold on" : "bold off"); }
    void SetFieldColumns(std::span<const int> columns) override {
        std::string call = "fields";
        for (int column : columns) call += " " + std::to_string(column);
        calls.push_back(call);
    }
    int Page() const override { return 1 + static_cast<int>(std::ranges::count(calls, "new page")); }
    void Print(std::string_view text) override {
        calls.emplace_back("print");
        pages.resize(Page());
        for (std::size_t start = 0, end = 0; end != std::string_view::npos; start = end + 2) {
            end = text.find(kLineBreak, start);
            pages.back().emplace_back(text.substr(start, end - start));
        }
    }
    void NewPage() override { calls.emplace_back("new page"); }
    void EndDoc() override { calls.emplace_back("end doc"); }
};

}  // namespace quillmere::testing
