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
