#include "schedule/schedule_words.h"

#include <utility>

namespace quillmere {
namespace {

ScheduleWords& WordsInUse() {
    static ScheduleWords words = EnglishScheduleWords();
    return words;
}

}  // namespace

ScheduleWords EnglishScheduleWords() {
    ScheduleWords words;
    for (std::size_t col = 0; col < words.headers.size(); ++col) words.headers[col] = kScheduleHeaders[col];
    words.yearTotals = kYearTotalsMarker;
    words.totals = kTotalsMarker;
    return words;
}

const ScheduleWords& CurrentScheduleWords() { return WordsInUse(); }

void SetScheduleWords(ScheduleWords words) { WordsInUse() = std::move(words); }

}  // namespace quillmere
