// CurrencyPattern: how one locale writes an amount of money, learnt once from
// QLocale so that every amount afterwards is written with integer arithmetic.
//
// A money text is a prefix, the whole units in the locale's digits with its
// group separators, the decimal point and the currency's decimals, then a
// suffix; negative amounts have a prefix and suffix of their own ("($1.24)",
// "-1,24 €", "₹-1.24"). Learning reads all of it off QLocale's own texts:
//  - the digits, whatever the script (Latin, Arabic-Indic, Devanagari, ...);
//  - the grouping: groups of three, the Indian three-then-two, or a rule
//    that leaves short numbers ungrouped (Spanish writes 1234 but 12.345);
//  - the decimal point and the currency's number of decimals (0 to 4);
//  - the prefixes and suffixes, marks for right-to-left text included.
// A pattern is only handed out once it writes exactly what QLocale writes
// for a spread of amounts, so the two never disagree.
#pragma once

#include <QLocale>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

class CurrencyPattern {
public:
    // The locale's pattern, or nothing when it can't be learnt exactly.
    static std::optional<CurrencyPattern> Learn(const QLocale& locale);

    // The currency's number of decimals, and minor units in one whole unit.
    [[nodiscard]] int Decimals() const { return decimals_; }
    [[nodiscard]] std::int64_t MinorPerUnit() const { return minorPerUnit_; }

    // The text of an amount given in minor units (cents for two decimals).
    [[nodiscard]] std::string Format(std::int64_t minorUnits) const;

    // The amount, in minor units, of a text Format() writes; nothing for any
    // other text.
    [[nodiscard]] std::optional<std::int64_t> Parse(std::string_view text) const;

    // The currency's number of decimals as QLocale writes amounts; 2 when it
    // can't be told.
    static int CurrencyDecimals(const QLocale& locale);

private:
    // Where group separators stand in a number of n digits: bit p of
    // separators_[n] is set when a separator stands with p digits to its right.
    static constexpr int kMaxDigits = 20;
    using SeparatorMasks = std::array<std::uint32_t, kMaxDigits + 1>;

    bool LearnDigits(const QLocale& locale);
    bool LearnGrouping(const QLocale& locale);
    bool LearnAffixes(const QLocale& locale);
    [[nodiscard]] bool AgreesWithQLocale(const QLocale& locale) const;
    [[nodiscard]] std::string GroupedDigits(std::uint64_t value) const;
    [[nodiscard]] std::optional<std::uint64_t> ParseNumber(std::string_view text) const;

    std::array<std::string, 10> digits_;
    std::string groupSeparator_;
    std::string decimalPoint_;
    SeparatorMasks separators_{};
    std::string positivePrefix_, positiveSuffix_;
    std::string negativePrefix_, negativeSuffix_;
    int decimals_ = 2;
    std::int64_t minorPerUnit_ = 100;
};

}  // namespace quillmere
