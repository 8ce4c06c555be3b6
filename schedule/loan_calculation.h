// The loan calculation behind "&Calculate My Payment".
//
// From the three input texts and the first payment date, CalculateSchedule
//  1. cleans the inputs and writes each cleaned text back into its box, in
//     this order: the rate loses every "%", the principal every ",", the
//     months every "," and then every ".";
//  2. bounds them: a principal above 500000000000000 or a month count above
//     9999 is cut to that ceiling, a principal or month count below 1
//     becomes 1, and a rate above 70 becomes 70 with an information box
//     ("Consider loan consolidation ..."); each correction is written back;
//  3. computes the level monthly payment of a fully amortizing loan and
//     writes it, as money text, into the payment box;
//  4. resets the grid and fills it, one Amortization step a row: one row per
//     payment, a "Year Totals" row after every December payment and after the
//     last one, and a closing "Totals" row;
//  5. hands the cleaned loan to LoanWindow::LoanCalculated.
// Numbers are read with LeadingNumberValue, so no input is ever refused.
//
// Before every monthly row it calls LoanWindow::DispatchPendingEvents once,
// so a window stays live while a long schedule is written. If that call
// answers false, the calculation stops at once and writes nothing more.
//
// When an amount leaves the range the calculator can hold (a rate beyond the
// Currency range, a payment that is not finite, an overflow of the balance or
// of the running interest total), the calculation stops, empties the payment
// box, resets the grid and shows the "Out of Range" information box. No
// partial schedule is ever left looking complete.
//
// Usage, without Qt or a window:
//
//   struct Console : quillmere::LoanWindow {
//       std::string texts[4];
//       quillmere::ScheduleGrid grid;
//       std::string Text(quillmere::LoanBox b) const override { return texts[int(b)]; }
//       void SetText(quillmere::LoanBox b, std::string t) override { texts[int(b)] = std::move(t); }
//       quillmere::CalendarDate SelectedDate() const override { return {15, 11, 2007}; }
//       void ShowInformation(std::string_view text, std::string_view) override { std::puts(text.data()); }
//       bool DispatchPendingEvents() override { return true; }
//       quillmere::ScheduleGrid& Grid() override { return grid; }
//   } w;
//   w.texts[int(quillmere::LoanBox::Principal)] = "1000";
//   w.texts[int(quillmere::LoanBox::Months)] = "3";
//   w.texts[int(quillmere::LoanBox::Rate)] = "12";
//   MyFormatter money;  // a quillmere::MoneyFormatter
//   quillmere::CalculateSchedule(w, money);
//   // w.texts[int(quillmere::LoanBox::Payment)] == "$340.02"; w.grid holds the schedule.
#pragma once

#include "schedule/amortization.h"
#include "schedule/money_formatter.h"
#include "schedule/schedule_grid.h"

#include <string>
#include <string_view>

namespace quillmere {

// The four text boxes of the loan window.
enum class LoanBox { Principal, Months, Rate, Payment };

// What the calculation needs from the window it runs in.
class LoanWindow {
public:
    virtual ~LoanWindow() = default;
    [[nodiscard]] virtual std::string Text(LoanBox box) const = 0;
    virtual void SetText(LoanBox box, std::string text) = 0;
    [[nodiscard]] virtual CalendarDate SelectedDate() const = 0;
    // A modal information box with an OK button; returns once it is closed.
    virtual void ShowInformation(std::string_view text, std::string_view title) = 0;
    // Lets pending window events through once. Returns false when the
    // calculation must stop (the window took over the grid meanwhile).
    virtual bool DispatchPendingEvents() = 0;
    virtual ScheduleGrid& Grid() = 0;
    // Told once the grid holds a whole schedule, with the loan it was made
    // from: what a plan of extra payments is run against.
    virtual void LoanCalculated(const LoanTerms& /*loan*/) {}
};

enum class CalculationOutcome {
    Completed,   // the grid holds the whole schedule
    Stopped,     // DispatchPendingEvents said stop; nothing more was written
    OutOfRange,  // the amounts left the calculator's range; boxes and grid emptied
};

// Limits and texts the user meets.
inline constexpr double kPrincipalCeiling = 500000000000000.0;
inline constexpr std::string_view kPrincipalCeilingText = "500000000000000";
inline constexpr double kMonthsCeiling = 9999.0;
inline constexpr std::string_view kMonthsCeilingText = "9999";
inline constexpr double kRateCeiling = 70.0;
inline constexpr std::string_view kRateMessage =
    "Consider loan consolidation or call the police, the legality of this loan is in question";
inline constexpr std::string_view kRateTitle = "Consilidate ASAP)";
inline constexpr std::string_view kOutOfRangeMessage =
    "This loan cannot be calculated: its amounts are beyond the range the calculator can hold.";
inline constexpr std::string_view kOutOfRangeTitle = "Out of Range";

// Runs the whole calculation against `window`. Throws std::invalid_argument,
// before touching anything, when the selected date is not a valid date.
CalculationOutcome CalculateSchedule(LoanWindow& window, const MoneyFormatter& money);

}  // namespace quillmere
