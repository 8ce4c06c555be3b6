#include "schedule/schedule_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere {
namespace {

struct RecordingObserver : GridObserver {
    std::vector<std::string> events;
    void RowsChanged(int oldRows, int newRows) override {
        events.push_back("rows " + std::to_string(oldRows) + "->" + std::to_string(newRows));
    }
    void CellChanged(int row, int col) override {
        events.push_back("cell " + std::to_string(row) + "," + std::to_string(col));
    }
    void Cleared() override { events.emplace_back("cleared"); }
    void ColWidthChanged(int col) override { events.push_back("width " + std::to_string(col)); }
};

TEST(ScheduleGridTest, ResetLeavesHeadersAndOneEmptyRowWhateverTheGridHeld) {
    ScheduleGrid grid;
    grid.SetRows(500);
    for (int r = 0; r < 500; ++r) grid.SetTextMatrix(r, 3, "x");
    grid.SetColWidth(0, 2000);
    grid.SetColWidth(1, 10);

    ResetGrid(grid);

    ASSERT_EQ(grid.Rows(), 2);
    const char* headers[] = {"Date", "Number", "Payment", "Interest", "Applied", "Balance", "Notes"};
    for (int c = 0; c < ScheduleGrid::kColumns; ++c) {
        EXPECT_EQ(grid.TextMatrix(0, c), headers[c]);
        EXPECT_EQ(grid.TextMatrix(1, c), "");
    }
    EXPECT_EQ(grid.ColWidth(1), 1150);
    EXPECT_EQ(grid.ColWidth(0), 2000);

    grid.SetRows(5);  // growing adds empty rows
    EXPECT_EQ(grid.TextMatrix(4, 3), "");
}

TEST(ScheduleGridTest, OutOfRangeCellsThrowAndObserverHearsEveryChange) {
    ScheduleGrid grid(2);
    EXPECT_THROW((void)grid.TextMatrix(2, 0), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(0, 7, ""), std::out_of_range);
    EXPECT_THROW(grid.SetColWidth(-1, 10), std::out_of_range);
    grid.SetRows(0);
    EXPECT_EQ(grid.Rows(), 1);

    RecordingObserver observer;
    grid.SetObserver(&observer);
    grid.SetRows(3);
    grid.SetTextMatrix(2, 1, "a");
    grid.SetRows(3);  // no change, no event
    ResetGrid(grid);
    const std::vector<std::string> expected = {"rows 1->3", "cell 2,1", "cleared",  "cell 0,0",
                                               "cell 0,1",  "cell 0,2", "cell 0,3", "cell 0,4",
                                               "cell 0,5",  "cell 0,6", "width 1",  "rows 3->2"};
    EXPECT_EQ(observer.events, expected);
}

}  // namespace
}  // namespace quillmere
