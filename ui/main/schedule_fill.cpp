#include "ui/main/schedule_fill.h"

#include <utility>

namespace quillmere {

ScheduleFill::ScheduleFill(FillTarget& target, Clock clock) : target_(target), clock_(std::move(clock)) {}

void ScheduleFill::Calculate() {
    if (ending_) return;
    if (running_) {
        // Take over from the running fill; it calculates again once unwound.
        stop_ = true;
        calculateAgain_ = true;
        return;
    }
    RunCalculations();
    if (std::exchange(printAfter_, false) && !ending_) target_.Print();
}

void ScheduleFill::RunCalculations() {
    running_ = true;
    do {
        stop_ = false;
        calculateAgain_ = false;
        target_.HoldRows(true);
        lastShown_ = clock_();
        target_.Calculate();
        target_.HoldRows(false);
    } while (calculateAgain_ && !ending_);
    running_ = false;
}

void ScheduleFill::Clear() {
    if (!running_) return;
    stop_ = true;
    calculateAgain_ = false;
}

void ScheduleFill::Print() {
    if (ending_) return;
    if (running_) {
        printAfter_ = true;
        return;
    }
    target_.Print();
}

void ScheduleFill::End() {
    ending_ = true;
    stop_ = true;
    calculateAgain_ = false;
    printAfter_ = false;
}

bool ScheduleFill::BetweenRows() {
    if (ending_) return false;  // the program is leaving: nothing more is dispatched
    const auto now = clock_();
    if (now - lastShown_ >= kRefreshInterval) {
        target_.ShowHeldRows();
        lastShown_ = now;
    }
    target_.DispatchEvents();
    return !stop_;
}

}  // namespace quillmere
