// Feeds arbitrary texts for the three input boxes to the calculation and
// checks what must hold for any input: no crash or undefined behaviour, a
// bounded schedule, and no amount text that is not a number.
#include "tests/schedule/fake_loan_window.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The most rows a schedule can have: 9999 payments, a year row at most every
// twelve of them plus the last one, the header and the "Totals" row.
constexpr int kMaxRows = 1 + 9999 + 835 + 1;

// Past this many rows a fill only repeats the same steps, so the window stops
// it there (as a window may, between two rows): that keeps each run short
// enough for millions of them. Every input cleaning, the payment and the
// early overflows are still reached.
constexpr int kRowsBeforeStop = 150;

bool HasNonNumberText(std::string_view cell) {
    return cell.find("nan") != std::string_view::npos || cell.find("inf") != std::string_view::npos;
}

// The input is the three texts separated by the unit separator '\x1f'.
std::string Take(std::string_view& rest) {
    const std::size_t cut = rest.find('\x1f');
    std::string piece(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string principal = Take(rest);
    std::string months = Take(rest);
    std::string rate = Take(rest);
    quillmere::testing::FakeLoanWindow window(principal, months, rate);
    window.onDispatch = [&window] { return window.grid.Rows() < kRowsBeforeStop; };
    const quillmere::testing::UsMoneyFormatter money;

    const auto outcome = quillmere::CalculateSchedule(window, money);
    const quillmere::ScheduleGrid& grid = window.grid;
    if (grid.Rows() > kMaxRows || grid.Rows() < 2) std::abort();
    if (outcome == quillmere::CalculationOutcome::Completed && grid.TextMatrix(grid.Rows() - 1, 1) != "Totals") {
        std::abort();
    }
    if (outcome == quillmere::CalculationOutcome::OutOfRange && grid.Rows() != 2) std::abort();
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < quillmere::ScheduleGrid::kColumns; ++c) {
            if (HasNonNumberText(grid.TextMatrix(r, c))) std::abort();
        }
    }
    if (HasNonNumberText(window.Box(quillmere::LoanBox::Payment))) std::abort();
    return 0;
}
