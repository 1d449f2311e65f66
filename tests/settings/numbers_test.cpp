#include "settings/numbers.h"
#include "support/decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <random>

TEST(LeadingNumbers, FollowTheLeadingNumberRule)
{
    EXPECT_DOUBLE_EQ(leadingDouble("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(leadingDouble("  -.5abc"), -0.5);
    EXPECT_DOUBLE_EQ(leadingDouble("+2"), 2.0);
    EXPECT_DOUBLE_EQ(leadingDouble("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(leadingDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("-"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("inf"), 0.0);
    EXPECT_EQ(leadingInt("12.9"), 12);
    EXPECT_EQ(leadingInt("-7x"), -7);
    EXPECT_EQ(leadingInt("0100"), 100);
    EXPECT_EQ(leadingInt("99999999999"), 2147483647);
    EXPECT_EQ(leadingIntAutoBase("0100"), 64);
    EXPECT_EQ(leadingIntAutoBase("0x20"), 32);
    EXPECT_EQ(leadingIntAutoBase("0X1f"), 31);
    EXPECT_EQ(leadingIntAutoBase("0x"), 0);
    EXPECT_EQ(leadingIntAutoBase("089"), 0);
    EXPECT_EQ(leadingIntAutoBase(" -12"), -12);
}

TEST(FormatFixed, MatchesPrintfForSinglePrecisionValues)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<float> any(-2000.0f, 2000.0f);
    std::vector<float> values = {0.0f,    -0.0f,   -0.0004f, 0.0005f, 0.0015f,      1.0005f, 2.675f,
                                 0.0625f, 0.1875f, -2.0625f, 1e20f,   100000000.0f, -9998.9f};
    for (int i = 0; i < 20000; ++i)
        values.push_back(any(random));
    for (float v : values) {
        for (int decimals : {2, 3, 4}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, static_cast<double>(v));
            ASSERT_EQ(formatFixed(v, decimals), expected) << v;
        }
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.3f", static_cast<double>(v));
        ASSERT_EQ(fixed3(v), expected) << v;
    }
    EXPECT_EQ(fixed3(-0.0004f), "-0.000");
}

TEST(FormatFixed, IgnoresTheUsersLocale)
{
    ASSERT_NE(useDecimalCommaLocale(), nullptr) << kDecimalCommaLocaleHint;
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.3f", 1.25);
    EXPECT_STREQ(printed, "1,250") << "the locale should use a decimal comma";
    EXPECT_EQ(fixed3(1.25f), "1.250");
    EXPECT_DOUBLE_EQ(leadingDouble("1.25"), 1.25);
    std::setlocale(LC_ALL, "C");
}
