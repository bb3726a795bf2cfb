#include "table/control.h"
#include "table/errors.h"
#include "table/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nablo {
namespace {

struct Rounding {
    const char* name;
    double value;
    long long expected;
};

void PrintTo(const Rounding& c, std::ostream* os) { *os << c.name; }

class HalfToEven : public ::testing::TestWithParam<Rounding> {};

TEST_P(HalfToEven, RoundsBothWidths)
{
    const Rounding& r = GetParam();
    EXPECT_EQ(toInt16(r.value), r.expected);
    EXPECT_EQ(toInt32(r.value), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, HalfToEven,
                         ::testing::Values(Rounding{"half_down_to_zero", 0.5, 0},
                                           Rounding{"one_and_a_half_up", 1.5, 2},
                                           Rounding{"two_and_a_half_down", 2.5, 2},
                                           Rounding{"ninety_nine_and_a_half_up", 99.5, 100},
                                           Rounding{"negative_half", -0.5, 0},
                                           Rounding{"negative_one_and_a_half", -1.5, -2},
                                           Rounding{"just_below_half", 0.49999999, 0},
                                           Rounding{"just_above_half", 0.50000001, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Numbers, ConversionsOutsideTheirRangeAreRunTimeErrorsNotWraps)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768); // half to even stays in range
    EXPECT_THROW(toInt16(32767.5), RunTimeError);
    EXPECT_THROW(toInt16(-32769), RunTimeError);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483647.5), RunTimeError);
    EXPECT_THROW(toInt32(-2147483649.0), RunTimeError);
    EXPECT_THROW(toInt32(std::nan("")), RunTimeError);
}

TEST(Numbers, CaptionsAreWrittenAsPlainDecimals)
{
    EXPECT_EQ(numberText(100000), "100000");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(-7), "-7");
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_EQ(numberText(2147483647.0 + 5), "2147483652");
}

TEST(Numbers, CaptionsReadAsDecimalNumbers)
{
    EXPECT_EQ(toNumber("100"), 100);
    EXPECT_EQ(toNumber(" 42 "), 42);
    EXPECT_EQ(toNumber("+3"), 3);
    EXPECT_EQ(toNumber("-2.25"), -2.25);
    EXPECT_EQ(toNumber("1e3"), 1000);
    for (const char* bad : {"", " ", "abc", "12abc", "1,000", "nan", "inf", "--1"})
        EXPECT_THROW(toNumber(bad), RunTimeError) << '"' << bad << '"';
}

// A caption written as a number keeps it beside its text; the two must never disagree.
TEST(Numbers, ANumericCaptionAndItsNumberAgree)
{
    Control ten(windowDesign[designIndex("TEN")]);
    writeNumber(ten, 41);
    writeNumber(ten, readNumber(ten) + 1);
    EXPECT_EQ(ten.caption(), "42");
    const auto revision = ten.revision();
    writeNumber(ten, 42);
    EXPECT_EQ(ten.revision(), revision) << "the same number is the same caption";
    ten.setCaption(" 7");
    EXPECT_EQ(readNumber(ten), 7);
    writeNumber(ten, 7);
    EXPECT_EQ(ten.caption(), "7") << "a number read from other text is written out again";
    writeNumber(ten, -0.0);
    EXPECT_EQ(ten.caption(), "0");
    EXPECT_FALSE(std::signbit(readNumber(ten)));
    writeNumber(ten, 2.5);
    EXPECT_EQ(ten.caption(), "2.5");
    writeNumber(ten, std::numeric_limits<double>::infinity());
    EXPECT_THROW(readNumber(ten), RunTimeError);
}

TEST(Numbers, ReadingANonNumericCaptionNamesTheControl)
{
    Control coins(windowDesign[designIndex("COINS")]);
    coins.setCaption("lots");
    try {
        readNumber(coins);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_NE(std::string(e.what()).find("COINS"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("lots"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace nablo
