#include "reference_schedule.h"

#include "loan_calculation.h"
#include "locale_money_formatter.h"

namespace {

struct Boxes final : quillmere::LoanWindow {
    std::string texts[4];
    quillmere::ScheduleGrid& grid;
    explicit Boxes(quillmere::ScheduleGrid& g) : grid(g) {}
    std::string Text(quillmere::LoanBox b) const override { return texts[int(b)]; }
    void SetText(quillmere::LoanBox b, std::string t) override { texts[int(b)] = std::move(t); }
    quillmere::CalendarDate SelectedDate() const override { return {15, 11, 2007}; }
    void ShowInformation(std::string_view, std::string_view) override {}
    bool DispatchPendingEvents() override { return true; }
    quillmere::ScheduleGrid& Grid() override { return grid; }
};

}  // namespace

ReferenceSchedule CalculateReference(const char* principal, const char* months, const char* rate) {
    ReferenceSchedule reference;
    Boxes boxes(reference.grid);
    boxes.texts[0] = principal;
    boxes.texts[1] = months;
    boxes.texts[2] = rate;
    quillmere::CalculateSchedule(boxes,
                                 quillmere::LocaleMoneyFormatter(QLocale(QLocale::English, QLocale::UnitedStates)));
    reference.payment = boxes.texts[3];
    return reference;
}
