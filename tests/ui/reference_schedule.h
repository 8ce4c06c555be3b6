// The schedule the calculation writes for given inputs, computed without a
// window (en_US money, first payment on 15 November 2007). Kept apart from
// the moc-processed test sources, which must not see <compare>.
#pragma once

#include "schedule_grid.h"

#include <string>

struct ReferenceSchedule {
    std::string payment;
    quillmere::ScheduleGrid grid;
};

ReferenceSchedule CalculateReference(const char* principal, const char* months, const char* rate);
