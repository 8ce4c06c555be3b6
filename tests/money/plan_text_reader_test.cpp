// Reading a plan of extra payments as typed in several locales.
#include "money/plan_text_reader.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

QLocale Locale(const char* name) { return QLocale(QString::fromLatin1(name)); }

// The amount a text reads as, in ten-thousandths; -1 when it is refused.
std::int64_t Raw(const PlanTextReader& reader, std::string_view text) {
    const auto reading = reader.Amount(text);
    EXPECT_EQ(reading.value.has_value(), reading.message.empty()) << text;
    return reading.value ? reading.value->Raw() : -1;
}

TEST(PlanTextReaderTest, AmountsAsTypedInTheLocale) {
    const PlanTextReader de(Locale("de_DE"));
    for (const char* text : {"1.234,56", "1234,56", "1.234,56 €", " 1234,56 EUR ", "1234.56", "€1234,56"}) {
        EXPECT_EQ(Raw(de, text), 12'345'600) << text;
    }
    EXPECT_EQ(Raw(de, "1.5"), 15'000);  // not German grouping, so a plain number
    EXPECT_EQ(Raw(de, ""), 0);
    EXPECT_EQ(Raw(de, "   "), 0);

    const PlanTextReader us(Locale("en_US"));
    for (const char* text : {"1,234.56", "$1,234.56", "1234.56", "USD 1234.56", "$1234.56"}) {
        EXPECT_EQ(Raw(us, text), 12'345'600) << text;
    }
    EXPECT_EQ(Raw(us, "$100"), 1'000'000);
    EXPECT_EQ(Raw(us, "0.005"), 100);  // held to cents, a half going up
    EXPECT_EQ(Raw(us, "0.0049"), 0);
    EXPECT_EQ(Raw(us, "1e3"), 10'000'000);

    const PlanTextReader hi(Locale("hi_IN"));
    EXPECT_EQ(Raw(hi, "12,34,567.50"), 12'345'675'000);
    const PlanTextReader ar(Locale("ar_EG"));
    EXPECT_EQ(Raw(ar, "١٢٣٫٥"), 1'235'000);
    const PlanTextReader ja(Locale("ja_JP"));  // yen have no decimals
    EXPECT_EQ(Raw(ja, "1234.56"), 12'350'000);

    // Whatever the calculator writes reads back as the same amount.
    for (const char* name : {"en_US", "de_DE", "ar_EG", "hi_IN", "ja_JP", "fr_CH", "es_ES"}) {
        const LocaleMoneyFormatter money(Locale(name));
        const PlanTextReader reader(Locale(name));
        for (const double amount : {0.0, 0.01, 99.99, 1234.56, 1'000'000.0, 500'000'000'000'000.0}) {
            const std::string text = money.Format(amount);
            const auto reading = reader.Amount(text);
            ASSERT_TRUE(reading.value.has_value()) << name << " " << text;
            EXPECT_EQ(money.Format(*reading.value), text) << name;
        }
    }
}

TEST(PlanTextReaderTest, TextsThatAreNotAmountsGetAMessage) {
    const PlanTextReader us(Locale("en_US"));
    for (const char* text : {"abc", "12abc", "1,2,3", "inf", "nan", "1e999", "--5", "$", "(100", "1.2.3", "\xff\xfe"}) {
        EXPECT_EQ(us.Amount(text).message, "Type an amount such as 1,234.56.") << text;
    }
    const PlanTextReader de(Locale("de_DE"));
    EXPECT_EQ(de.Amount("zehn").message, "Type an amount such as 1.234,56.");
    EXPECT_EQ(PlanTextReader(Locale("ja_JP")).Amount("x").message, "Type an amount such as 1,235.");

    for (const char* text : {"-5", "-$5.00", "-0.001", "$-1"}) {
        EXPECT_EQ(us.Amount(text).message, "An extra payment can't be negative.") << text;
    }
    EXPECT_EQ(de.Amount("-1.234,56 €").message, "An extra payment can't be negative.");

    // Up to the largest principal, and not a cent more in money text (a
    // plain number that large is read through a double, to 1/16).
    EXPECT_EQ(Raw(us, "500000000000000"), 5'000'000'000'000'000'000);
    EXPECT_EQ(Raw(us, "$500,000,000,000,000.00"), 5'000'000'000'000'000'000);
    for (const char* text : {"500000000000000.1", "$500,000,000,000,000.01", "1e300", "$92,233,720,368,547,758.08"}) {
        EXPECT_EQ(us.Amount(text).message, "Type an amount of at most 500,000,000,000,000.") << text;
    }
    EXPECT_EQ(us.Amount("99999999999999999999999999").message, "Type an amount of at most 500,000,000,000,000.");
}

TEST(PlanTextReaderTest, PaymentNumbersFromOneToTheLast) {
    const PlanTextReader us(Locale("en_US"));
    EXPECT_EQ(us.PaymentNumber("1", 360).value, 1);
    EXPECT_EQ(us.PaymentNumber(" 360 ", 360).value, 360);
    for (const char* text : {"0", "361", "-1", "1.5", "abc", "", "99999999999999999999", "1e2"}) {
        const auto reading = us.PaymentNumber(text, 360);
        EXPECT_FALSE(reading.value.has_value()) << text;
        EXPECT_EQ(reading.message, "Type a payment number from 1 to 360.") << text;
    }
    EXPECT_EQ(us.PaymentNumber("9999", 9999).value, 9999);
    EXPECT_EQ(us.PaymentNumber("1,000", 9999).value, 1000);
    EXPECT_EQ(PlanTextReader(Locale("ar_EG")).PaymentNumber("١٢", 360).value, 12);
    EXPECT_EQ(PlanTextReader(Locale("ar_EG")).PaymentNumber("12", 360).value, 12);
    EXPECT_THROW((void)us.PaymentNumber("1", 0), std::invalid_argument);
}

TEST(PlanTextReaderTest, APlanReadsWhenEveryBoxReads) {
    const PlanTextReader us(Locale("en_US"));
    PlanTexts texts;
    texts.monthly = "$100";
    texts.startPayment = "3";
    texts.yearly = "1,000";
    texts.yearlyMonth = 6;
    texts.oneTime = {{"12", "10000"}, {"", ""}, {"12", "$5.50"}};
    texts.mode = ExtraMode::LowerMyPayment;
    PlanReading reading = us.Plan(texts, 360);
    ASSERT_TRUE(reading.plan.has_value());
    EXPECT_TRUE(reading.messages.empty());
    const ExtraPaymentPlan& plan = *reading.plan;
    EXPECT_EQ(plan.monthly, Currency::FromDouble(100));
    EXPECT_EQ(plan.startPayment, 3);
    EXPECT_EQ(plan.yearly, Currency::FromDouble(1000));
    EXPECT_EQ(plan.yearlyMonth, 6);
    EXPECT_EQ(plan.mode, ExtraMode::LowerMyPayment);
    ASSERT_EQ(plan.oneTime.size(), 2U);  // the empty row is left out
    EXPECT_EQ(plan.ExtraFor(12, 6), Currency::FromDouble(100 + 1000 + 10000 + 5.5));
    EXPECT_EQ(plan.ExtraFor(2, 6), Currency());

    // Each box that can't be read says so, in the order of the boxes.
    texts.monthly = "-1";
    texts.startPayment = "";
    texts.oneTime = {{"400", "x"}, {"5", ""}};
    reading = us.Plan(texts, 360);
    EXPECT_FALSE(reading.plan.has_value());
    ASSERT_EQ(reading.messages.size(), 4U);
    EXPECT_EQ(reading.messages[0].box, PlanBox::Monthly);
    EXPECT_EQ(reading.messages[1].box, PlanBox::StartPayment);
    EXPECT_EQ(reading.messages[2].box, PlanBox::OneTimePayment);
    EXPECT_EQ(reading.messages[3].box, PlanBox::OneTimeAmount);
    EXPECT_EQ(reading.messages[3].row, 0);
    EXPECT_EQ(reading.messages[3].text, "Type an amount such as 1,234.56.");

    texts = PlanTexts{};
    texts.yearlyMonth = 0;
    EXPECT_THROW((void)us.Plan(texts, 360), std::invalid_argument);
}

}  // namespace
}  // namespace quillmere
