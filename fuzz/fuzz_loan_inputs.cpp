// Feeds arbitrary texts for the three input boxes to the calculation, with
// the real money formatter of a locale, and checks what must hold for any
// input: no crash or undefined behaviour, a bounded schedule, no amount text
// that is not a number, no negative zero, and every amount text readable
// back by the formatter that wrote it.
#include <QLocale>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "money/locale_money_formatter.h"
#include "tests/schedule/fake_loan_window.h"

namespace {

using quillmere::LocaleMoneyFormatter;

// The most rows a schedule can have: 9999 payments, a year row at most every
// twelve of them plus the last one, the header and the "Totals" row.
constexpr int kMaxRows = 1 + 9999 + 835 + 1;

// Past this many rows a fill only repeats the same steps, with amounts of
// the same kind, so the window stops it there (as a window may, between two
// rows): that keeps each run short enough for millions of them. Every input
// cleaning, the payment, the year totals and the early overflows are still
// reached; the last-row adjustment and the "Totals" row are reached by the
// inputs of fewer months.
constexpr int kRowsBeforeStop = 150;

// en_US as learnt, hi_IN (Indian grouping, a sign inside the symbol) as
// learnt and as QLocale writes it.
const std::array<LocaleMoneyFormatter, 3>& Formatters() {
    static const std::array<LocaleMoneyFormatter, 3> formatters = {
        LocaleMoneyFormatter(QLocale(QLocale::English, QLocale::UnitedStates)),
        LocaleMoneyFormatter(QLocale(QLocale::Hindi, QLocale::India)),
        LocaleMoneyFormatter::ThroughQLocale(QLocale(QLocale::Hindi, QLocale::India)),
    };
    return formatters;
}

bool HasNonNumberText(std::string_view cell) {
    return cell.find("nan") != std::string_view::npos || cell.find("inf") != std::string_view::npos;
}

// An amount text that reads as zero without being the formatter's zero, or,
// from a learnt pattern, one the formatter doesn't read back. (QLocale
// writes through a double, exact only up to 2^53 minor units.)
bool IsBadAmount(const LocaleMoneyFormatter& money, const std::string& text) {
    if (text.empty()) return false;
    const auto amount = money.Parse(text);
    if (!amount) return money.UsesLearntPattern();
    return amount->minorUnits == 0 && text != money.Format(0.0);
}

// The input is a formatter choice, then the three texts separated by the
// unit separator '\x1f'.
std::string Take(std::string_view& rest) {
    const std::size_t cut = rest.find('\x1f');
    std::string piece(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const LocaleMoneyFormatter& money = Formatters()[data[0] % Formatters().size()];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string principal = Take(rest);
    std::string months = Take(rest);
    std::string rate = Take(rest);
    quillmere::testing::FakeLoanWindow window(principal, months, rate);
    window.onDispatch = [&window] { return window.grid.Rows() < kRowsBeforeStop; };

    const auto outcome = quillmere::CalculateSchedule(window, money);
    const quillmere::ScheduleGrid& grid = window.grid;
    if (grid.Rows() > kMaxRows || grid.Rows() < 2) std::abort();
    if (outcome == quillmere::CalculationOutcome::Completed &&
        grid.RowKind(grid.Rows() - 1) != quillmere::GridRowKind::Totals) {
        std::abort();
    }
    if (outcome == quillmere::CalculationOutcome::OutOfRange && grid.Rows() != 2) std::abort();
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = 0; c < quillmere::ScheduleGrid::kColumns; ++c) {
            if (HasNonNumberText(grid.TextMatrix(r, c))) std::abort();
        }
        for (int c = quillmere::kColPayment; c <= quillmere::kColBalance; ++c) {
            if (IsBadAmount(money, grid.TextMatrix(r, c))) std::abort();
        }
    }
    const std::string& payment = window.Box(quillmere::LoanBox::Payment);
    if (HasNonNumberText(payment) || IsBadAmount(money, payment)) std::abort();
    return 0;
}
