// A window for the calculation made of plain fields, recording every call in
// the order the calculation makes it, and a fixed en_US money formatter.
#pragma once

#include "schedule/loan_calculation.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace quillmere::testing {

// "$1,020.07", negatives "-$1.24": cents rounded half away from zero.
class UsMoneyFormatter final : public MoneyFormatter {
public:
    std::string Format(double amount) const override {
        return FromCents(RoundScaled(amount, 100, TieBreak::AwayFromZero));
    }
    std::string Format(Currency amount) const override { return Format(amount.ToDouble()); }

    static std::string FromCents(std::int64_t cents) {
        const bool negative = cents < 0;
        const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(cents) : cents;
        std::string units = std::to_string(magnitude / 100);
        for (int i = static_cast<int>(units.size()) - 3; i > 0; i -= 3) units.insert(static_cast<std::size_t>(i), ",");
        char fraction[4];
        std::snprintf(fraction, sizeof fraction, "%02llu", magnitude % 100);
        return std::string(negative ? "-$" : "$") + units + "." + fraction;
    }
};

class FakeLoanWindow : public LoanWindow {
public:
    std::string texts[4];
    CalendarDate date{15, 11, 2007};
    ScheduleGrid grid;
    std::vector<std::string> calls;  // "SetText Rate 12", "Info <title>", ...
    std::vector<std::string> messages;
    std::function<bool()> onDispatch = [] { return true; };

    FakeLoanWindow(std::string principal, std::string months, std::string rate) {
        texts[0] = std::move(principal);
        texts[1] = std::move(months);
        texts[2] = std::move(rate);
    }

    std::string& Box(LoanBox b) { return texts[static_cast<int>(b)]; }
    const std::string& Cell(int row, int col) const { return grid.TextMatrix(row, col); }

    std::string Text(LoanBox b) const override { return texts[static_cast<int>(b)]; }
    void SetText(LoanBox b, std::string t) override {
        static const char* const kNames[] = {"Principal", "Months", "Rate", "Payment"};
        calls.push_back(std::string("SetText ") + kNames[static_cast<int>(b)] + " " + t);
        texts[static_cast<int>(b)] = std::move(t);
    }
    CalendarDate SelectedDate() const override { return date; }
    void ShowInformation(std::string_view text, std::string_view title) override {
        calls.push_back("Info " + std::string(title));
        messages.emplace_back(text);
    }
    bool DispatchPendingEvents() override { return onDispatch(); }
    ScheduleGrid& Grid() override { return grid; }
};

}  // namespace quillmere::testing
