#include "schedule/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillmere {
namespace {

TEST(LeadingNumberTest, ReadsTheLongestLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"12abc", 12},
        {"$500", 0},
        {"1,250", 1},
        {"1250000.75", 1250000.75},
        {"5,5", 5},
        {" 1 2\t3\n4", 1234},
        {"1\r2", 1},
        {"-7.5", -7.5},
        {"+3", 3},
        {".5", 0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"15e-1", 1.5},
        {"1D2", 100},
        {"2e", 2},
        {"2e+", 2},
        {"2ex", 2},
        {"- 4", -4},
        {"abc", 0},
        {".", 0},
        {"-", 0},
        {"12%", 12},
        {"1 e 2", 100},
        {"0012", 12},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumberValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumberTest, ReadsHexAndOctalAsNonNegativeIntegers) {
    EXPECT_EQ(LeadingNumberValue("&H1F"), 31);
    EXPECT_EQ(LeadingNumberValue("&hff"), 255);
    EXPECT_EQ(LeadingNumberValue("&HFFFF"), 65535);
    EXPECT_EQ(LeadingNumberValue("&O17"), 15);
    EXPECT_EQ(LeadingNumberValue("&o78"), 7);
    EXPECT_EQ(LeadingNumberValue(" & H 10"), 16);
    EXPECT_EQ(LeadingNumberValue("&H"), 0);
    EXPECT_EQ(LeadingNumberValue("&X1"), 0);
    EXPECT_EQ(LeadingNumberValue("&"), 0);
}

TEST(LeadingNumberTest, HugeAndTinyValuesNeverGiveNaN) {
    EXPECT_TRUE(std::isinf(LeadingNumberValue("1e999")));
    EXPECT_GT(LeadingNumberValue("1e999"), 0);
    EXPECT_LT(LeadingNumberValue("-9e99999999999999999999"), 0);
    EXPECT_EQ(LeadingNumberValue("1e-999"), 0);
    EXPECT_EQ(LeadingNumberValue("0.000e999"), 0);
    EXPECT_EQ(LeadingNumberValue("9e99"), 9e99);
    EXPECT_TRUE(std::isinf(LeadingNumberValue(std::string(400, '9'))));
    EXPECT_FALSE(std::isnan(LeadingNumberValue(std::string(400, 'F').insert(0, "&H"))));
}

}  // namespace
}  // namespace quillmere
