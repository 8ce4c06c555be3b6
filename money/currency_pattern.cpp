#include "money/currency_pattern.h"

#include <QString>

#include <charconv>
#include <limits>
#include <vector>

namespace quillmere {
namespace {

constexpr int kMaxDecimals = 4;
constexpr double kProbe = 1234567.0;

std::int64_t PowerOfTen(int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

// Splits `text` around the first `number` in it.
bool SplitAround(const QString& text, const QString& number, std::string& prefix, std::string& suffix) {
    const qsizetype at = text.indexOf(number);
    if (at < 0) return false;
    prefix = text.left(at).toStdString();
    suffix = text.mid(at + number.size()).toStdString();
    return true;
}

// One way of placing group separators. Counting digits from the right, the
// first separator stands after `first` digits and the next ones every
// `higher`. Short numbers may stay ungrouped: with `wholeNumber` the number
// needs first + least digits before any separator is written (as CLDR says);
// without it each separator needs `least` digits to its left (as QLocale
// 6.4 writes). least 1 means no such limit.
struct GroupingRule {
    int first = 0;  // 0: never grouped
    int higher = 0;
    int least = 1;
    bool wholeNumber = false;

    [[nodiscard]] bool SeparatorAt(int rightDigits, int length) const {
        if (first <= 0 || rightDigits <= 0 || rightDigits >= length) return false;
        if (rightDigits != first && (rightDigits < first || (rightDigits - first) % higher != 0)) return false;
        return wholeNumber ? length >= first + least : length - rightDigits >= least;
    }
};

std::vector<GroupingRule> CandidateRules() {
    std::vector<GroupingRule> rules{GroupingRule{}};
    for (int first = 1; first <= 4; ++first) {
        for (int higher = 1; higher <= 4; ++higher) {
            for (int least = 1; least <= 3; ++least) {
                rules.push_back({first, higher, least, false});
                if (least > 1) rules.push_back({first, higher, least, true});
            }
        }
    }
    return rules;
}

// A std::string's prefix match that moves `text` on past it.
bool Consume(std::string_view& text, std::string_view piece) {
    if (piece.empty() || !text.starts_with(piece)) return false;
    text.remove_prefix(piece.size());
    return true;
}

bool StripAffixes(std::string_view& text, std::string_view prefix, std::string_view suffix) {
    if (!text.starts_with(prefix) || !text.ends_with(suffix) || text.size() < prefix.size() + suffix.size()) {
        return false;
    }
    text.remove_prefix(prefix.size());
    text.remove_suffix(suffix.size());
    return true;
}

}  // namespace

std::optional<CurrencyPattern> CurrencyPattern::Learn(const QLocale& locale) {
    CurrencyPattern pattern;
    if (pattern.LearnDigits(locale) && pattern.LearnGrouping(locale) && pattern.LearnAffixes(locale) &&
        pattern.AgreesWithQLocale(locale)) {
        return pattern;
    }
    return std::nullopt;
}

int CurrencyPattern::CurrencyDecimals(const QLocale& locale) {
    const QString positive = locale.toCurrencyString(kProbe);
    for (int decimals = kMaxDecimals; decimals >= 0; --decimals) {
        if (positive.contains(locale.toString(kProbe, 'f', decimals))) return decimals;
    }
    return 2;
}

bool CurrencyPattern::LearnDigits(const QLocale& locale) {
    for (int digit = 0; digit < 10; ++digit) {
        digits_[static_cast<std::size_t>(digit)] = locale.toString(digit).toStdString();
        if (digits_[static_cast<std::size_t>(digit)].empty()) return false;
    }
    groupSeparator_ = locale.groupSeparator().toStdString();
    decimalPoint_ = locale.decimalPoint().toStdString();
    return !decimalPoint_.empty();
}

bool CurrencyPattern::LearnGrouping(const QLocale& locale) {
    // QLocale's own whole numbers of 1 to 19 digits ("1", "12", "123", ...).
    std::vector<QString> written;
    std::int64_t value = 0;
    for (int length = 1; length < kMaxDigits; ++length) {
        value = value * 10 + length % 10;
        written.push_back(locale.toString(static_cast<qlonglong>(value)));
    }
    for (const GroupingRule& rule : CandidateRules()) {
        for (int length = 1; length <= kMaxDigits; ++length) {
            std::uint32_t mask = 0;
            for (int right = 1; right < length; ++right) {
                if (rule.SeparatorAt(right, length)) mask |= std::uint32_t{1} << right;
            }
            separators_[static_cast<std::size_t>(length)] = mask;
        }
        bool agrees = true;
        std::uint64_t probe = 0;
        for (int length = 1; length < kMaxDigits && agrees; ++length) {
            probe = probe * 10 + static_cast<std::uint64_t>(length % 10);
            agrees = GroupedDigits(probe) == written[static_cast<std::size_t>(length - 1)].toStdString();
        }
        if (agrees) return true;
    }
    return false;
}

bool CurrencyPattern::LearnAffixes(const QLocale& locale) {
    const QString positive = locale.toCurrencyString(kProbe);
    const QString negative = locale.toCurrencyString(-kProbe);
    for (int decimals = kMaxDecimals; decimals >= 0; --decimals) {
        const QString number = locale.toString(kProbe, 'f', decimals);
        if (SplitAround(positive, number, positivePrefix_, positiveSuffix_) &&
            SplitAround(negative, number, negativePrefix_, negativeSuffix_)) {
            decimals_ = decimals;
            minorPerUnit_ = PowerOfTen(decimals);
            return true;
        }
    }
    return false;
}

// Amounts whose double is close enough to their decimal for QLocale to write
// them exactly, of every length and both signs, and zero.
bool CurrencyPattern::AgreesWithQLocale(const QLocale& locale) const {
    std::vector<std::int64_t> samples = {0, 1, 5, 99, 100, 101, 2500, 99999, 100000};
    std::int64_t growing = 0;
    for (int length = 1; length <= 15; ++length) {
        growing = growing * 10 + (length % 10);
        samples.push_back(growing);
    }
    const std::size_t positives = samples.size();
    for (std::size_t i = 1; i < positives; ++i) samples.push_back(-samples[i]);
    for (const std::int64_t minor : samples) {
        const double amount = static_cast<double>(minor) / static_cast<double>(minorPerUnit_);
        if (Format(minor) != locale.toCurrencyString(amount).toStdString()) return false;
    }
    return true;
}

std::string CurrencyPattern::GroupedDigits(std::uint64_t value) const {
    char ascii[kMaxDigits];
    const auto [end, error] = std::to_chars(ascii, ascii + kMaxDigits, value);
    const auto length = static_cast<int>(end - ascii);
    const std::uint32_t mask = separators_[static_cast<std::size_t>(length)];
    std::string text;
    text.reserve(static_cast<std::size_t>(length) * 2 + 8);
    for (int i = 0; i < length; ++i) {
        if (i > 0 && ((mask >> (length - i)) & 1U) != 0) text += groupSeparator_;
        text += digits_[static_cast<std::size_t>(ascii[i] - '0')];
    }
    return text;
}

std::string CurrencyPattern::Format(std::int64_t minorUnits) const {
    const bool negative = minorUnits < 0;
    // The magnitude as unsigned, so the most negative value is safe too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(minorUnits) : static_cast<std::uint64_t>(minorUnits);
    const auto perUnit = static_cast<std::uint64_t>(minorPerUnit_);
    std::string text = negative ? negativePrefix_ : positivePrefix_;
    text += GroupedDigits(magnitude / perUnit);
    if (decimals_ > 0) {
        text += decimalPoint_;
        std::uint64_t fraction = magnitude % perUnit;
        std::array<char, kMaxDecimals> ascii{};
        for (int i = decimals_ - 1; i >= 0; --i, fraction /= 10) {
            ascii[static_cast<std::size_t>(i)] = static_cast<char>('0' + fraction % 10);
        }
        for (int i = 0; i < decimals_; ++i)
            text += digits_[static_cast<std::size_t>(ascii[static_cast<std::size_t>(i)] - '0')];
    }
    text += negative ? negativeSuffix_ : positiveSuffix_;
    return text;
}

// The digits, separators and decimals between the affixes, as a count of
// minor units; nothing on any other character or on overflow.
std::optional<std::uint64_t> CurrencyPattern::ParseNumber(std::string_view text) const {
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / 10;
    std::uint64_t units = 0;
    int fractionDigits = -1;  // -1 until the decimal point
    bool anyDigit = false;
    while (!text.empty()) {
        if (fractionDigits < 0 && decimals_ > 0 && Consume(text, decimalPoint_)) {
            fractionDigits = 0;
            continue;
        }
        if (fractionDigits < 0 && anyDigit && Consume(text, groupSeparator_)) continue;
        int digit = 0;
        while (digit < 10 && !Consume(text, digits_[static_cast<std::size_t>(digit)])) ++digit;
        if (digit == 10 || units > kLimit) return std::nullopt;
        units = units * 10 + static_cast<std::uint64_t>(digit);
        anyDigit = true;
        if (fractionDigits >= 0) ++fractionDigits;
    }
    if (!anyDigit || fractionDigits != (decimals_ > 0 ? decimals_ : -1)) return std::nullopt;
    return units;
}

std::optional<std::int64_t> CurrencyPattern::Parse(std::string_view text) const {
    for (const bool negative : {false, true}) {
        std::string_view body = text;
        if (!StripAffixes(body, negative ? negativePrefix_ : positivePrefix_,
                          negative ? negativeSuffix_ : positiveSuffix_)) {
            continue;
        }
        const std::optional<std::uint64_t> magnitude = ParseNumber(body);
        if (!magnitude || *magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) continue;
        const auto minor = negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
        // Only the text Format() writes counts: grouping, zero and sign included.
        if (Format(minor) == text) return minor;
    }
    return std::nullopt;
}

}  // namespace quillmere
