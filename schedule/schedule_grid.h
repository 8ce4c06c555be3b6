// ScheduleGrid: the one store of the payment schedule, a grid of text cells.
//
// Seven columns, numbered from 0; row 0 is the fixed header row. Every cell
// holds formatted text, never a number. The store mirrors the operations of a
// classic flex grid (Clear, Rows, TextMatrix, ColWidth) so the calculation and
// the printed report read exactly what the user sees.
//
// A view follows the store through a GridObserver: it hears about row-count
// changes, cell writes, clears and column widths, and can batch them as it
// likes. Indices outside the grid throw std::out_of_range.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// What a row of the grid holds. The totals rows are told apart by their kind,
// never by their label, which is in the user's language.
enum class GridRowKind {
    Payment,     // a payment, the header or an empty row
    YearTotals,  // the sums of a calendar year's payments
    Totals,      // the closing sums of the whole schedule
};

// What a view of the grid is told. Every call comes after the change is made.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    virtual void RowsChanged(int oldRows, int newRows) = 0;
    virtual void CellChanged(int row, int col) = 0;
    virtual void Cleared() = 0;
    virtual void ColWidthChanged(int col) = 0;
};

// The columns of the schedule, by index.
enum ScheduleColumn : int {
    kColDate = 0,
    kColNumber = 1,
    kColPayment = 2,
    kColInterest = 3,
    kColApplied = 4,
    kColBalance = 5,
    kColNotes = 6,
};

class ScheduleGrid {
public:
    static constexpr int kColumns = 7;
    static constexpr int kDefaultColWidthTwips = 960;

    // A grid of `rows` empty rows (at least 1, the header row).
    explicit ScheduleGrid(int rows = 2);

    // Empties every cell, the header row included; the row count stays.
    void Clear();

    [[nodiscard]] int Rows() const { return static_cast<int>(rows_.size()); }
    // Growing adds empty rows at the end, shrinking drops rows from the end.
    // At least one row always remains.
    void SetRows(int rows);

    [[nodiscard]] const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);

    // A row is a payment row until it is marked otherwise; Clear and new
    // rows bring it back.
    [[nodiscard]] GridRowKind RowKind(int row) const;
    void SetRowKind(int row, GridRowKind kind);

    [[nodiscard]] int ColWidth(int col) const;
    void SetColWidth(int col, int twips);

    // The observer must outlive the grid or be replaced by nullptr first.
    void SetObserver(GridObserver* observer) { observer_ = observer; }

private:
    struct Row {
        std::array<std::string, kColumns> cells;
        GridRowKind kind = GridRowKind::Payment;
    };
    void CheckCell(int row, int col) const;
    static void CheckColumn(int col);

    std::vector<Row> rows_;
    std::array<int, kColumns> colWidths_{};
    GridObserver* observer_ = nullptr;
};

// A rectangle of data cells in store rows and columns, both ends included.
// Data rows start at 1; row 0 is the header row.
struct GridCellRange {
    int firstRow = 1;
    int lastRow = 0;
    int firstCol = 0;
    int lastCol = ScheduleGrid::kColumns - 1;
};

// The English header texts of row 0, in column order. The grid writes the
// words of the user's language (ScheduleWords), these by default.
inline constexpr std::array<std::string_view, ScheduleGrid::kColumns> kScheduleHeaders = {
    "Date", "Number", "Payment", "Interest", "Applied", "Balance", "Notes"};

// The English labels of the two kinds of totals rows: "Year Totals" in the
// Date column, "Totals" in the Number column.
inline constexpr std::string_view kYearTotalsMarker = "Year Totals";
inline constexpr std::string_view kTotalsMarker = "Totals";

// Width of the "Number" column after every reset.
inline constexpr int kNumberColWidthTwips = 1150;

// Brings the grid back to its empty state: clears every cell, writes the
// header row in the words of the user's language, sets the "Number" column to 1150 twips and keeps just the
// header row and one empty row 1. Other column widths are left alone.
void ResetGrid(ScheduleGrid& grid);

}  // namespace quillmere
