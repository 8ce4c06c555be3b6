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
    // An action may start a fill of its own, and new actions wait for that.
    for (auto waiting = std::exchange(afterFill_, {}); auto& [name, action] : waiting) {
        if (ending_) return;
        action();
    }
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
    // What waited was asked of the schedule that Clear took away.
    afterFill_.clear();
}

void ScheduleFill::Print() {
    AfterFill("print", [this] { target_.Print(); });
}

void ScheduleFill::AfterFill(const std::string& name, std::function<void()> action) {
    if (ending_) return;
    if (!running_) return action();
    for (const auto& waiting : afterFill_) {
        if (waiting.first == name) return;
    }
    afterFill_.emplace_back(name, std::move(action));
}

void ScheduleFill::End() {
    ending_ = true;
    stop_ = true;
    calculateAgain_ = false;
    afterFill_.clear();
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
