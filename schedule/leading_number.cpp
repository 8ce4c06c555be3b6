#include "schedule/leading_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quillmere {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the characters the reader skips wherever they stand.
std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!IsSkipped(c)) kept.push_back(c);
    }
    return kept;
}

int HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "&H1F" or "&O17" (the "&" and the letter already consumed): the digits
// that follow, as a non-negative value.
double RadixValue(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0 || d >= radix) break;
        value = value * radix + d;
    }
    return value;
}

// A decimal number split into the pieces the reader recognised.
struct DecimalParts {
    bool negative = false;
    std::string mantissa;  // digits with at most one period
    bool hasDigit = false;
    long long exponent = 0;        // saturated far beyond the double range
    int leadingIntegerDigits = 0;  // significant digits before the period
    int leadingFractionZeros = 0;  // zeros after the period before a digit
};

// Reads the exponent part at `pos` (after the mantissa) if there is a whole
// one: a letter E or D, an optional sign, at least one digit.
void ReadExponent(std::string_view s, std::size_t pos, DecimalParts& parts) {
    if (pos >= s.size()) return;
    const char letter = s[pos];
    if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') return;
    ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    if (pos >= s.size() || !IsDigit(s[pos])) return;
    constexpr long long kSaturation = 1'000'000'000;
    long long exponent = 0;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        exponent = std::min(kSaturation, exponent * 10 + (s[pos] - '0'));
    }
    parts.exponent = negative ? -exponent : exponent;
}

DecimalParts ReadDecimal(std::string_view s) {
    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) parts.negative = s[pos++] == '-';
    bool seenPeriod = false;
    bool seenNonZero = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '.' && !seenPeriod) {
            seenPeriod = true;
        } else if (IsDigit(c)) {
            parts.hasDigit = true;
            seenNonZero = seenNonZero || c != '0';
            if (!seenPeriod && seenNonZero) ++parts.leadingIntegerDigits;
            if (seenPeriod && !seenNonZero) ++parts.leadingFractionZeros;
        } else {
            break;
        }
        parts.mantissa.push_back(c);
    }
    if (parts.hasDigit) ReadExponent(s, pos, parts);
    return parts;
}

double DecimalValue(const DecimalParts& parts) {
    if (!parts.hasDigit) return 0;
    const std::string number = parts.mantissa + "e" + std::to_string(parts.exponent);
    double magnitude = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        // Either far above the largest double or far below the smallest:
        // the decimal order of magnitude tells which.
        const long long order = parts.exponent + (parts.leadingIntegerDigits > 0 ? parts.leadingIntegerDigits
                                                                                 : -parts.leadingFractionZeros);
        magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        magnitude = 0;
    }
    return parts.negative ? -magnitude : magnitude;
}

}  // namespace

double LeadingNumberValue(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char letter = s[1];
        if (letter == 'h' || letter == 'H') return RadixValue(std::string_view(s).substr(2), 16);
        if (letter == 'o' || letter == 'O') return RadixValue(std::string_view(s).substr(2), 8);
        return 0;
    }
    return DecimalValue(ReadDecimal(s));
}

}  // namespace quillmere
