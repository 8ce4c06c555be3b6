// Reading a loan offer's boxes as typed in several locales.
#include "money/offer_text_reader.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

QLocale Locale(const char* name) { return QLocale(QString::fromLatin1(name)); }

TEST(OfferTextReaderTest, ReadsEachTermInTheLocaleAndLeavesEmptyOnesOut) {
    const OfferReading de = OfferTextReader(Locale("de_DE")).Read({"250.000,00 €", "360", "6,5 %", "", "5.000"});
    ASSERT_TRUE(de.inputs) << de.messages.front().text;
    EXPECT_EQ(de.inputs->amount, 250000.0);
    EXPECT_EQ(de.inputs->months, 360);
    EXPECT_EQ(de.inputs->annualRate, Currency::FromDouble(6.5));
    EXPECT_FALSE(de.inputs->payment);
    EXPECT_EQ(de.inputs->fees, 5000.0);

    // Plain numbers in any locale; the rate held to four decimals; no fees.
    const OfferReading us = OfferTextReader(Locale("en_US")).Read({"", "60", "12.504149", "$450", " "});
    ASSERT_TRUE(us.inputs);
    EXPECT_FALSE(us.inputs->amount);
    EXPECT_EQ(us.inputs->annualRate, Currency::FromDouble(12.5041));
    EXPECT_EQ(us.inputs->payment, 450.0);
    EXPECT_EQ(us.inputs->fees, 0.0);
    EXPECT_EQ(OfferTextReader(Locale("ar_EG")).Read({"", "٣٦٠", "٦٫٥", "", ""}).inputs->months, 360);
}

TEST(OfferTextReaderTest, EveryBoxThatCantBeReadGetsItsMessage) {
    const OfferTextReader reader(Locale("en_US"));
    const OfferReading bad = reader.Read({"0", "12.5", "70.01", "-1", "-5"});
    EXPECT_FALSE(bad.inputs);
    ASSERT_EQ(bad.messages.size(), 5U);
    const std::vector<std::pair<OfferBox, std::string>> expected = {
        {OfferBox::Amount, "Type an amount greater than 0."},
        {OfferBox::Months, "Type a whole number of months from 1 to 9,999."},
        {OfferBox::Rate, "Type a rate from 0 to 70."},
        {OfferBox::Payment, "Type an amount greater than 0."},
        {OfferBox::Fees, "Fees can't be negative."},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bad.messages[i].box, expected[i].first);
        EXPECT_EQ(bad.messages[i].text, expected[i].second);
    }
    for (const char* months : {"0", "10000", "x", "99999999999999999999"}) {
        EXPECT_EQ(reader.Read({"", months, "", "", ""}).messages.size(), 1U) << months;
    }
    for (const char* rate : {"-0.1", "nan", "inf", "1e308", "six"}) {
        EXPECT_EQ(reader.Read({"", "", rate, "", ""}).messages.size(), 1U) << rate;
    }
    EXPECT_EQ(reader.Read({"1e300", "", "", "", ""}).messages.front().text,
              "Type an amount of at most 500,000,000,000,000.");
    EXPECT_TRUE(reader.Read({"", "", "70.00004", "", ""}).inputs);  // 70 to four decimals
}

}  // namespace
}  // namespace quillmere
