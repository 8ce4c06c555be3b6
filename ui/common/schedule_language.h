// The schedule core's own words in the user's language.
//
// The core knows no Qt and writes English: the grid's headers and totals
// labels come from the ScheduleWords it is handed, and the messages of the
// calculation are translated where the window shows them.
#pragma once

#include <QString>

#include <string_view>

namespace quillmere {

// Hands the schedule core its words from the translations installed now.
// Called at start-up, before any grid is filled.
void UseTranslatedScheduleWords();

// A message or title of the calculation, in the user's language; a text the
// core doesn't say is returned as it is.
[[nodiscard]] QString TranslatedCalculationText(std::string_view english);

}  // namespace quillmere
