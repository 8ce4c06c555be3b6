// Currency: the fixed-point money type of the calculator.
//
// An amount is a signed 64-bit count of ten-thousandths of a currency unit,
// so it holds about +/-9.22e14 units exactly. Every operation is integer
// arithmetic and checks its range: a result that does not fit throws
// CurrencyOverflow instead of wrapping.
//
//   Currency a = Currency::FromDouble(1.23456);  // 1.2346 (nearest, ties to even)
//   Currency b = a + Currency::FromDouble(0.5);   // exact
//   double d = b.ToDouble();                      // raw / 10000
#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>

namespace quillmere {

// Thrown when a Currency result falls outside the 64-bit range.
class CurrencyOverflow : public std::overflow_error {
public:
    CurrencyOverflow() : std::overflow_error("Currency overflow") {}
};

class Currency {
public:
    // Ten-thousandths in one unit.
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    // An amount given directly as its count of ten-thousandths.
    static constexpr Currency FromRaw(std::int64_t tenThousandths) { return Currency(tenThousandths); }

    // Rounds the exact value of `value` to the nearest ten-thousandth, a tie
    // going to the even neighbour. NaN, infinities and values out of range
    // throw CurrencyOverflow.
    static Currency FromDouble(double value);

    // The amount in units: raw / 10000 as a double.
    [[nodiscard]] double ToDouble() const { return static_cast<double>(raw_) / static_cast<double>(kScale); }
    [[nodiscard]] constexpr std::int64_t Raw() const { return raw_; }

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator*(std::int64_t factor) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// How an exact tie between two neighbours is broken when rounding.
enum class TieBreak { ToEven, AwayFromZero };

// The exact binary value of `value` times `scale` (1 to 10^6), rounded to the
// nearest integer. Throws CurrencyOverflow for NaN, infinities and results
// outside the 64-bit range.
std::int64_t RoundScaled(double value, std::int64_t scale, TieBreak tie);

// Rounds `value` in place to whole cents, a half cent going up (towards plus
// infinity): floor((raw + 50) / 100) * 100 in ten-thousandths. Returns the
// rounded value too. Throws CurrencyOverflow only where adding the half cent
// leaves the Currency range.
Currency RoundCents(Currency& value);

}  // namespace quillmere
