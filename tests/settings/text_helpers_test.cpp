#include "settings/text_helpers.h"

#include <gtest/gtest.h>

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds)
{
    std::string text = "  \tA B\t  ";
    TrimSpaces(text);
    EXPECT_EQ(text, "\tA B\t");
    std::string blank = "    ";
    TrimSpaces(blank);
    EXPECT_EQ(blank, "");
}

TEST(IsNumberText, LooksOnlyAtTheSetOfCharacters)
{
    struct Case {
        const char* text;
        bool unsignedOk;
        bool signedOk;
    };
    const Case cases[] = {
        {"", true, true},       {"12.5", true, true},  {"-2", false, true},
        {"1e5", false, false},  {"1.2.3", true, true}, {"2-", false, true},
        {" 1", false, false},   {"+1", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumberText(c.text, kUnsigned), c.unsignedOk) << c.text;
        EXPECT_EQ(IsNumberText(c.text, kSigned), c.signedOk) << c.text;
    }
    EXPECT_TRUE(IsNumberText("anything", 7));
}

TEST(ParseLetterFields, StopsAtAnUnlistedLetterAndHandsBackTheRest)
{
    std::string text = "X1 Q5 Y2";
    const LetterFields f = ParseLetterFields(text, "XY");
    EXPECT_EQ(f[0], "1");
    EXPECT_FALSE(f.has(1));
    EXPECT_EQ(text, "Q5 Y2");
}

TEST(ParseLetterFields, AcceptsAnyOrderAndSpacing)
{
    for (std::string text : {"X1.5 Y2", "Y2X1.5", "X 1.5 Y 2", " ,\tX1.5\tY2"}) {
        const std::string original = text;
        const LetterFields f = ParseLetterFields(text, "XY");
        EXPECT_EQ(f[0], "1.5") << original;
        EXPECT_EQ(f[1], "2") << original;
        EXPECT_EQ(text, "") << original;
    }
}

TEST(ParseLetterFields, ValueShapes)
{
    std::string text = "X-.5 Y";
    LetterFields f = ParseLetterFields(text, "XY");
    EXPECT_EQ(f[0], "-.5");
    ASSERT_TRUE(f.has(1)); // present but empty: converts to 0
    EXPECT_EQ(*f[1], "");

    text = "N\"POST 5X5\" C1";
    f = ParseLetterFields(text, "NC");
    EXPECT_EQ(f[0], "POST 5X5");
    EXPECT_EQ(f[1], "1");

    text = "N\"NEVER CLOSED C1";
    f = ParseLetterFields(text, "NC");
    EXPECT_EQ(f[0], "NEVER CLOSED C1");
    EXPECT_FALSE(f.has(1));

    text = "X1 X2";
    EXPECT_EQ(ParseLetterFields(text, "X")[0], "2") << "a repeated letter overwrites";

    text = "L1.5E3";
    f = ParseLetterFields(text, "LE");
    EXPECT_EQ(f[0], "1.5");
    EXPECT_EQ(f[1], "3") << "an exponent is read as the next letter";
}

TEST(ParseLetterFields, CutsAtLineEndAndComment)
{
    std::string text = "X1 [comment Y2\r\nY3";
    LetterFields f = ParseLetterFields(text, "XY");
    EXPECT_EQ(f[0], "1");
    EXPECT_FALSE(f.has(1));

    text = "X1\nY2";
    f = ParseLetterFields(text, "XY");
    EXPECT_FALSE(f.has(1));

    // A line end as the very first character does not cut; it stops the parse instead.
    text = "\nX1";
    f = ParseLetterFields(text, "XY");
    EXPECT_FALSE(f.has(0));
    EXPECT_EQ(text, "\nX1");
}

TEST(ParseLetterFields, KeepsLongValuesWhole)
{
    std::string text = "N\"" + std::string(500, 'A') + "\" C2";
    const LetterFields f = ParseLetterFields(text, "NC");
    EXPECT_EQ(f[0]->size(), 500u);
    EXPECT_EQ(f[1], "2");
}

// A length as a fence shop writes it is read exactly; anything else is no fraction, and the
// field's own message stands.
TEST(FractionValue, AcceptedFormsAndRefusedOnes)
{
    struct Case {
        const char* text;
        int mode;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"5 1/2", kUnsigned, 5.5},
        {"5-1/2", kUnsigned, 5.5},
        {"1/4", kUnsigned, 0.25},
        {"3 5/8", kUnsigned, 3.625},
        {"-1 1/2", kSigned, -1.5},
        {"-3/8", kSigned, -0.375},
        {" 12  7/16 ", kUnsigned, 12.4375},
        {"3/2", kUnsigned, 1.5},  // a fraction alone may be improper
        {"0 1/2", kUnsigned, 0.5},
        {"-1 1/2", kUnsigned, std::nullopt}, // a negative length where only positive ones are
        {"5 3/2", kUnsigned, std::nullopt},  // the fraction of a whole number is below one
        {"5 2/2", kUnsigned, std::nullopt},
        {"1/0", kUnsigned, std::nullopt},
        {"5 1/0", kUnsigned, std::nullopt},
        {"5", kUnsigned, std::nullopt},      // a number, not a fraction
        {"5.5", kUnsigned, std::nullopt},
        {"5.5 1/2", kUnsigned, std::nullopt},
        {"5 1/2.5", kUnsigned, std::nullopt},
        {"5 1 / 2", kUnsigned, std::nullopt},
        {"5 - 1/2", kUnsigned, std::nullopt},
        {"5--1/2", kUnsigned, std::nullopt},
        {"5 -1/2", kSigned, std::nullopt},
        {"--1/2", kSigned, std::nullopt},
        {"1/2/3", kUnsigned, std::nullopt},
        {"5 1/2in", kUnsigned, std::nullopt},
        {"/2", kUnsigned, std::nullopt},
        {"1/", kUnsigned, std::nullopt},
        {"5 /2", kUnsigned, std::nullopt},
        {"", kUnsigned, std::nullopt},
        {"1234567890 1/2", kUnsigned, std::nullopt}, // more digits than are read exactly
        {"5\t1/2", kUnsigned, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" mode " + std::to_string(c.mode));
        EXPECT_EQ(fractionValue(c.text, c.mode), c.value);
    }
}

TEST(ReadLengthText, NumbersByTheLeadingNumberRuleAndFractionsExactly)
{
    EXPECT_EQ(readLengthText("", kUnsigned), 0.0);
    EXPECT_EQ(readLengthText("1.2.3", kUnsigned), 1.2);
    EXPECT_EQ(readLengthText("5 1/2", kUnsigned), 5.5);
    EXPECT_EQ(readLengthText("-2", kUnsigned), std::nullopt);
    EXPECT_EQ(readLengthText("1e3", kSigned), std::nullopt);
    // A field showing the value it holds keeps it: 5/16 shows "0.312" and stays 0.3125.
    EXPECT_EQ(lengthFieldValue("0.312", kUnsigned, 0.3125f), 0.3125f);
    EXPECT_EQ(lengthFieldValue("0.313", kUnsigned, 0.3125f), 0.313f);
    EXPECT_EQ(lengthFieldValue("x", kUnsigned, 2.0f), 0.0f);
}
