// Schedule grids for the report tests, filled by hand as the calculation
// would leave them.
#pragma once

#include <array>
#include <string>

#include "schedule_grid.h"

namespace quillmere::testing {

using RowTexts = std::array<std::string, 6>;

inline void SetRow(ScheduleGrid& grid, int row, const RowTexts& texts) {
    for (int col = 0; col < static_cast<int>(texts.size()); ++col) {
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

// `dataRows` rows of a schedule whose first payment falls in December, so a
// page of 60 rows holds five "Year Totals" rows (rows 2, 15, 28, 41 and 54).
inline ScheduleGrid YearlyGrid(int dataRows) {
    ScheduleGrid grid;
    ResetGrid(grid);
    grid.SetRows(dataRows + 1);
    int month = 12;
    int year = 7;
    int number = 1;
    for (int row = 1; row <= dataRows; ++row) {
        if (month > 12) {
            SetRow(grid, row, {"Year Totals", "", "$4,080.24", "$1,312.57", "$2,767.67", ""});
            month = 1;
            ++year;
            continue;
        }
        const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        const std::string date = twoDigits(month) + "/15/" + twoDigits(year % 100);
        SetRow(grid, row, {date, std::to_string(number), "$340.02", "$1" + std::to_string(number) + ".25",
                           "$230.77", "$12,3" + std::to_string(number) + ".00"});
        ++month;
        ++number;
    }
    return grid;
}

}  // namespace quillmere::testing
