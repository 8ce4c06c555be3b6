// ScheduleWords: the words the schedule grid writes itself, its column
// headers and the labels of its totals rows, in the user's language.
//
// This module knows no language: the program hands in the translated words
// once at start-up, before any grid is filled, and every grid reset and
// schedule written afterwards uses them. Until then they are English.
#pragma once

#include <array>
#include <string>

#include "schedule/schedule_grid.h"

namespace quillmere {

struct ScheduleWords {
    std::array<std::string, ScheduleGrid::kColumns> headers;  // row 0, in column order
    std::string yearTotals;                                   // in the Date column of a year's sums
    std::string totals;                                       // in the Number column of the closing sums
};

[[nodiscard]] ScheduleWords EnglishScheduleWords();

[[nodiscard]] const ScheduleWords& CurrentScheduleWords();
void SetScheduleWords(ScheduleWords words);

}  // namespace quillmere
