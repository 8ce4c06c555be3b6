#include "schedule/currency.h"

#include <cmath>
#include <limits>

namespace quillmere {
namespace {

// 128-bit intermediates make every range check exact; __extension__ keeps
// -Wpedantic quiet about the non-standard type.
__extension__ typedef __int128 Int128;

constexpr Int128 kMaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr Int128 kMinRaw = std::numeric_limits<std::int64_t>::min();

Currency Checked(Int128 raw) {
    if (raw > kMaxRaw || raw < kMinRaw) throw CurrencyOverflow();
    return Currency::FromRaw(static_cast<std::int64_t>(raw));
}

// floor(a / b) for b > 0, also for negative a.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && a < 0) --q;
    return q;
}

// magnitude / 2^shift rounded to the nearest integer.
Int128 ShiftRightRounded(Int128 magnitude, int shift, TieBreak tie) {
    if (shift >= 100) return 0;  // magnitude < 2^74: far below one half
    const Int128 quotient = magnitude >> shift;
    const Int128 remainder = magnitude - (quotient << shift);
    const Int128 half = Int128{1} << (shift - 1);
    const bool roundUp =
        remainder > half || (remainder == half && (tie == TieBreak::AwayFromZero || (quotient & 1) != 0));
    return roundUp ? quotient + 1 : quotient;
}

}  // namespace

std::int64_t RoundScaled(double value, std::int64_t scale, TieBreak tie) {
    if (!std::isfinite(value)) throw CurrencyOverflow();
    // Work on the exact binary value: value = mantissa * 2^exponent with an
    // integer mantissa of at most 53 bits, so value * scale is exact in 128 bits.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, kMantissaBits));
    exponent -= kMantissaBits;
    const Int128 scaled = Int128{mantissa} * scale;  // below 2^73
    Int128 magnitude = 0;
    if (exponent < 0) {
        magnitude = ShiftRightRounded(scaled, -exponent, tie);
    } else {
        // Past 2^54 the shift alone leaves the 64-bit range (and the 128-bit one).
        constexpr int kLargestShift = 54;
        if (exponent > kLargestShift) throw CurrencyOverflow();
        magnitude = scaled << exponent;
    }
    return Checked(value < 0 ? -magnitude : magnitude).Raw();
}

Currency Currency::FromDouble(double value) { return FromRaw(RoundScaled(value, kScale, TieBreak::ToEven)); }

Currency Currency::operator+(Currency other) const { return Checked(Int128{raw_} + other.raw_); }

Currency Currency::operator-(Currency other) const { return Checked(Int128{raw_} - other.raw_); }

Currency Currency::operator*(std::int64_t factor) const { return Checked(Int128{raw_} * factor); }

Currency RoundCents(Currency& value) {
    constexpr std::int64_t kHalfCent = 50;
    constexpr std::int64_t kCent = 100;
    const Currency shifted = value + Currency::FromRaw(kHalfCent);
    value = Checked(Int128{FloorDiv(shifted.Raw(), kCent)} * kCent);
    return value;
}

}  // namespace quillmere
