// The fill's rules without a window: a target that records what the fill
// asks of it, and commands that arrive "between rows" of a calculation.
#include "ui/main/schedule_fill.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Calculations of `rows` rows; `betweenRows` runs before row `at` of the
// first calculation, as a click would arrive then.
class FakeTarget final : public FillTarget {
public:
    ScheduleFill fill{*this, [this] { return now; }};
    Clock::time_point now{};
    std::vector<std::string> calls;
    int rows = 10;
    int at = -1;
    std::function<void()> betweenRows;
    int depth = 0;
    int deepest = 0;

    void Calculate() override {
        calls.push_back("calculate");
        deepest = std::max(deepest, ++depth);
        for (int row = 0; row < rows; ++row) {
            if (row == at && betweenRows) std::exchange(betweenRows, nullptr)();
            if (!fill.BetweenRows()) {
                calls.push_back("stopped");
                break;
            }
            now += milliseconds(5);
        }
        --depth;
    }
    void HoldRows(bool hold) override { calls.push_back(hold ? "hold" : "show all"); }
    void ShowHeldRows() override { calls.push_back("show held"); }
    void DispatchEvents() override {}
    void Print() override { calls.push_back("print"); }
};

using Calls = std::vector<std::string>;

TEST(ScheduleFill, CommandsBetweenRowsNeverLeaveAMixedGrid) {
    {  // Calculate again: the running fill stops, then one fresh fill; never nested.
        FakeTarget t;
        t.at = 3;
        t.betweenRows = [&] { t.fill.Calculate(); };
        t.fill.Calculate();
        EXPECT_EQ(t.deepest, 1);
        EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), "calculate"), 2);
        EXPECT_EQ(t.calls[2], "stopped");
        EXPECT_EQ(t.calls.back(), "show all");
    }
    {  // Clear: the fill stops and isn't run again; what waited for it is dropped.
        FakeTarget t;
        t.at = 3;
        t.betweenRows = [&] {
            t.fill.Print();
            t.fill.Clear();
        };
        t.fill.Calculate();
        EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), "calculate"), 1);
        EXPECT_NE(std::find(t.calls.begin(), t.calls.end(), "stopped"), t.calls.end());
        EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), "print"), 0);
        EXPECT_FALSE(t.fill.Running());
    }
    {  // Print and the grid's other commands: each waits for the whole
       // schedule, then runs once, in the order asked.
        FakeTarget t;
        t.at = 3;
        t.betweenRows = [&] {
            t.fill.Print();
            t.fill.AfterFill("save", [&] { t.calls.push_back("save"); });
            t.fill.Print();
            t.fill.AfterFill("save", [&] { t.calls.push_back("save again"); });
        };
        t.fill.Calculate();
        EXPECT_EQ(std::vector<std::string>(t.calls.end() - 3, t.calls.end()), (Calls{"show all", "print", "save"}));
        EXPECT_EQ(std::count(t.calls.begin(), t.calls.end(), "print"), 1);
        EXPECT_EQ(std::find(t.calls.begin(), t.calls.end(), "stopped"), t.calls.end());
        t.fill.Print();  // with no fill running: at once
        EXPECT_EQ(t.calls.back(), "print");
    }
    {  // End: the fill stops, nothing waiting runs, and no command starts anything more.
        FakeTarget t;
        t.at = 3;
        t.betweenRows = [&] {
            t.fill.Print();
            t.fill.Calculate();
            t.fill.End();
        };
        t.fill.Calculate();
        t.fill.Calculate();
        t.fill.Print();
        EXPECT_EQ(t.calls, (Calls{"hold", "calculate", "stopped", "show all"}));
    }
}

TEST(ScheduleFill, HeldRowsAreShownInBatchesNotRowByRow) {
    FakeTarget t;
    t.rows = 40;  // 5 ms a row: 200 ms in all
    t.fill.Calculate();
    const auto shown = std::count(t.calls.begin(), t.calls.end(), "show held");
    EXPECT_GE(shown, 200 / 32);  // at least every other interval
    EXPECT_LE(shown, 200 / 16);  // at most once an interval
    EXPECT_EQ(t.calls.front(), "hold");
    EXPECT_EQ(t.calls.back(), "show all");
}

}  // namespace
}  // namespace quillmere
