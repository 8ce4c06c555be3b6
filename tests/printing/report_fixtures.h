// For the report tests: grids filled by hand as the calculation leaves them,
// and a printer that records every call and every line (a CR LF splits a text
// into lines, as on a real printer).
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "report_printer.h"
#include "schedule_grid.h"

namespace quillmere::testing {

inline void SetRow(ScheduleGrid& grid, int row, const std::array<std::string, 6>& texts) {
    for (int col = 0; col < 6; ++col) {
        grid.SetTextMatrix(row, col, texts[col]);
    }
}

// Principal 1000, 3 months at 12 %, first payment on 15 November 2007.
inline ScheduleGrid WorkedExampleGrid() {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(7);
    SetRow(grid, 1, {"11/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98"});
    SetRow(grid, 2, {"12/15/07", "2", "$340.02", "$6.70", "$333.32", "$336.66"});
    SetRow(grid, 3, {"Year Totals", "", "$680.04", "$16.70", "$663.34", ""});
    SetRow(grid, 4, {"01/15/08", "3", "$340.02", "$3.37", "$336.66", "$0.00"});
    SetRow(grid, 5, {"Year Totals", "", "$340.02", "$3.37", "$336.66", ""});
    SetRow(grid, 6, {"", "Totals", "$1,020.07", "$20.07", "", ""});
    return grid;
}

// Monthly rows from December 2007 with their "Year Totals" rows, so that the
// first page holds five of them (rows 2, 15, 28, 41 and 54).
inline ScheduleGrid YearlyGrid(int dataRows) {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(dataRows + 1);
    for (int row = 1; row <= dataRows; ++row) {
        const int month = (row + 10) % 13 + 1;  // 13: the year's totals
        const std::string n = std::to_string(row);
        const std::string date =
            std::to_string(100 + month).substr(1) + "/15/" + std::to_string(2007 + (row + 10) / 13).substr(2);
        SetRow(grid, row, {date, n, "$340.02", "$1" + n + ".25", "$230.77", "$12,3" + n + ".00"});
        if (month == 13) {
            SetRow(grid, row, {"Year Totals", "", "$4,080.24", "$1,312.57", "$2,767.67", ""});
        }
    }
    return grid;
}

class RecordingPrinter : public ReportPrinter {
public:
    std::vector<std::string> calls;
    std::vector<std::vector<std::string>> pages{1};  // their lines; the last page is the open one

    void SetFontName(std::string_view family) override { calls.push_back("font " + std::string(family)); }
    void SetFontSize(int points) override { calls.push_back("size " + std::to_string(points)); }
    void SetFontBold(bool bold) override { calls.emplace_back(bold ? "bold on" : "bold off"); }
    int Page() const override { return static_cast<int>(pages.size()); }
    void Print(std::string_view text) override {
        calls.emplace_back("print");
        for (std::size_t start = 0, end = 0; end != std::string_view::npos; start = end + 2) {
            end = text.find(kLineBreak, start);
            pages.back().emplace_back(text.substr(start, end - start));
        }
    }
    void NewPage() override {
        calls.emplace_back("new page");
        pages.emplace_back();
    }
    void EndDoc() override { calls.emplace_back("end doc"); }
    // Pages that reached a sheet: the unprinted page after the last NewPage() is none.
    [[nodiscard]] int Sheets() const {
        return static_cast<int>(std::count_if(pages.begin(), pages.end(), [](const auto& p) { return !p.empty(); }));
    }
};

}  // namespace quillmere::testing
