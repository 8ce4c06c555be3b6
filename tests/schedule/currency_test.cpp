#include "schedule/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillmere {
namespace {

std::int64_t Raw(double v) { return Currency::FromDouble(v).Raw(); }

TEST(CurrencyTest, FromDoubleRoundsTheExactBinaryValueTiesToEven) {
    EXPECT_EQ(Raw(1.23456), 12346);
    EXPECT_EQ(Raw(-1.23456), -12346);
    // m/32 with m odd is an exact tie in ten-thousandths: 312.5, 937.5.
    EXPECT_EQ(Raw(0.03125), 312);
    EXPECT_EQ(Raw(0.09375), 938);
    EXPECT_EQ(Raw(-0.03125), -312);
    // 0.00005 and 0.00015 are not ties as doubles: each lies a hair to one side.
    EXPECT_EQ(Raw(0.00005), 1);
    EXPECT_EQ(Raw(0.00015), 1);
    EXPECT_EQ(Raw(std::numeric_limits<double>::denorm_min()), 0);
    EXPECT_EQ(Raw(500000000000000.0), 5000000000000000000LL);
    EXPECT_EQ(Raw(922337203685477.5), 9223372036854775000LL);
}

TEST(CurrencyTest, OutOfRangeIsReportedNeverWrapped) {
    EXPECT_THROW(Currency::FromDouble(1e15), CurrencyOverflow);
    EXPECT_THROW(Currency::FromDouble(-1e30), CurrencyOverflow);
    EXPECT_THROW(Currency::FromDouble(std::nan("")), CurrencyOverflow);
    EXPECT_THROW(Currency::FromDouble(std::numeric_limits<double>::infinity()), CurrencyOverflow);
    const Currency top = Currency::FromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency bottom = Currency::FromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(top + Currency::FromRaw(1), CurrencyOverflow);
    EXPECT_THROW(bottom - Currency::FromRaw(1), CurrencyOverflow);
    EXPECT_THROW(top * 2, CurrencyOverflow);
    EXPECT_THROW(bottom * -1, CurrencyOverflow);
}

TEST(CurrencyTest, RoundCentsSendsHalvesUpAndUpdatesItsArgument) {
    const struct {
        std::int64_t in, out;
    } cases[] = {{12349, 12300}, {12350, 12400}, {-12350, -12300}, {-12351, -12400}, {-49, 0},
                 {-50, 0},       {-51, -100},    {0, 0},           {9999, 10000},    {-9999, -10000}};
    for (const auto& c : cases) {
        Currency v = Currency::FromRaw(c.in);
        EXPECT_EQ(RoundCents(v).Raw(), c.out) << c.in;
        EXPECT_EQ(v.Raw(), c.out) << c.in;
    }
    // Far beyond a hundredth of the range it still works; only the half cent
    // at the very top overflows.
    Currency big = Currency::FromRaw(9'000'000'000'000'000'049LL);
    EXPECT_EQ(RoundCents(big).Raw(), 9'000'000'000'000'000'000LL);
    Currency top = Currency::FromRaw(std::numeric_limits<std::int64_t>::max() - 10);
    EXPECT_THROW(RoundCents(top), CurrencyOverflow);
    Currency bottom = Currency::FromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundCents(bottom).Raw(), -9'223'372'036'854'775'800LL);
}

TEST(CurrencyTest, RoundScaledBreaksTiesAsAsked) {
    EXPECT_EQ(RoundScaled(0.125, 100, TieBreak::ToEven), 12);
    EXPECT_EQ(RoundScaled(0.125, 100, TieBreak::AwayFromZero), 13);
    EXPECT_EQ(RoundScaled(-0.125, 100, TieBreak::AwayFromZero), -13);
    EXPECT_EQ(RoundScaled(5e15, 100, TieBreak::ToEven), 500'000'000'000'000'000LL);
    EXPECT_THROW(RoundScaled(1e17, 100, TieBreak::ToEven), CurrencyOverflow);
}

}  // namespace
}  // namespace quillmere
