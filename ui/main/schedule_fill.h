// ScheduleFill: what the window's commands do while a long schedule is being
// written.
//
// A fill lets window events through between its rows, so a click can arrive
// in the middle of one. Then:
//  - Calculate stops the running fill and, once it has unwound, calculates
//    afresh from the boxes as they are (calculations never nest);
//  - Clear (the window has cleared the grid) stops the running fill, and
//    what waited for it (below) is dropped: it was asked of that schedule;
//  - Print, and every other way the schedule leaves the window (copy, save,
//    preview, chart, extra payments: see AfterFill), waits until the fill
//    has ended, then runs;
//  - End (the program is leaving) stops the fill, and nothing waits.
// So the grid always holds one schedule, or the empty grid, never a mix.
//
// While a fill runs, new rows are held back from the view and shown in
// batches, at most every kRefreshInterval, which keeps the longest schedule
// quick to write and the window live. Knows nothing of widgets: the window
// is a FillTarget.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quillmere {

// The window's side of a fill.
class FillTarget {
public:
    virtual ~FillTarget() = default;
    // Runs the loan calculation once, from the boxes as they are. It calls
    // ScheduleFill::BetweenRows() before every row and stops when told to.
    virtual void Calculate() = 0;
    // Holds new rows back from the view (true), or shows them as they come,
    // those held back first (false).
    virtual void HoldRows(bool hold) = 0;
    // Shows the rows held back so far.
    virtual void ShowHeldRows() = 0;
    // Lets the pending window events through once.
    virtual void DispatchEvents() = 0;
    // Prints the schedule.
    virtual void Print() = 0;
};

class ScheduleFill {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // How long new rows may wait before the view shows them.
    static constexpr std::chrono::milliseconds kRefreshInterval{16};

    // `target` must outlive the fill; `clock` tells the time.
    explicit ScheduleFill(FillTarget& target, Clock clock = std::chrono::steady_clock::now);

    // The Calculate command.
    void Calculate();
    // The Clear command, once the window has cleared the grid.
    void Clear();
    // The Print command.
    void Print();
    // Runs `action` now, or once the running fill has ended, so it never
    // sees half a schedule. Waiting actions run in the order asked; one
    // asked for again under the same `name` while it waits runs once.
    void AfterFill(const std::string& name, std::function<void()> action);
    // The program is ending.
    void End();

    // Between two rows of a fill: shows the rows held back if they have
    // waited long enough, lets pending events through once, and tells
    // whether the fill may go on.
    [[nodiscard]] bool BetweenRows();

    [[nodiscard]] bool Running() const { return running_; }

private:
    void RunCalculations();

    FillTarget& target_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastShown_{};
    bool running_ = false;
    bool stop_ = false;            // the window took the grid over
    bool calculateAgain_ = false;  // a Calculate waits for the fill to unwind
    bool ending_ = false;
    // What waits for the fill to end, by name.
    std::vector<std::pair<std::string, std::function<void()>>> afterFill_;
};

}  // namespace quillmere
