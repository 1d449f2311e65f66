#include "gcode/rail_layout_check.h"

#include "settings/numbers.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

// A rail 48 long, 5 wide and 2 thick; holes 6 long and 1.5 wide, the first 4 from the top, 2
// apart; the count left for the page. Five holes fit and leave 6.
RailEntry rail()
{
    RailEntry e;
    e.materialChosen = true;
    e.materialLength = 48;
    e.materialWidth = 5;
    e.thickness = 2;
    RailEntrySide& s = e.side[0];
    s.holeChosen = true;
    s.holeLength = 6;
    s.holeWidth = 1.5f;
    s.distanceText = "4";
    s.spacingText = "2";
    e.side[1] = s;
    return e;
}

// The rail laid out as the page shows it after the spacing is typed.
RailEntry laidOut(RailEntry e = rail())
{
    return checkRailLayout(e, RailChange::Spacing).entry;
}

struct MessageCase {
    const char* name;
    std::function<void(RailEntry&)> setUp;
    RailChange change;
    int side;
    const char* message;
    RailField field;
};

} // namespace

// Every message the Rails page gives about its fields and its layout, each with the field the
// focus goes to.
TEST(RailLayoutCheck, EveryMessageOfThePage)
{
    using F = RailField;
    using C = RailChange;
    const char* const kTooShort = "Invalid Settings.\nMaterial Length not long enough for current settings";
    const auto both = [](RailEntry& e) { e.sides = 2; };
    const MessageCase cases[] = {
        {"rise not a positive number", [](RailEntry& e) { e.riseText = "-3"; }, C::Rise, 0,
         "Amount of the Rise must be a positive number.", F::Rise},
        {"run not a number", [](RailEntry& e) { e.runText = "4x"; }, C::Run, 0,
         "Amount of the Run must be a positive number.", F::Run},
        {"distance not a positive number", [](RailEntry& e) { e.side[0].distanceText = "-4"; }, C::Distance, 0,
         "Distance to First Hole must be a positive number.", F::Distance},
        {"side 2 distance refused",
         [&](RailEntry& e) {
             both(e);
             e.side[1].distanceText = "a";
         },
         C::Distance, 1, "Distance to First Hole must be a positive number.", F::Distance},
        {"spacing not a number", [](RailEntry& e) { e.side[0].spacingText = "2..x"; }, C::Spacing, 0,
         "Spacing Between Holes must be a number.", F::Spacing},
        {"side 2 spacing not a number",
         [&](RailEntry& e) {
             both(e);
             e.side[1].spacingText = "1e2";
         },
         C::Spacing, 1, "Spacing between holes must be a positive number.", F::Spacing},
        {"count not a whole number", [](RailEntry& e) { e.side[0].holesText = "5 1/2"; }, C::Holes, 0,
         "Number of Holes to cut must be a positive number.", F::Holes},
        {"offset not a number", [](RailEntry& e) { e.side[0].offsetText = "1/0"; }, C::OffsetAmount, 0,
         "Offset amount must be a number.", F::OffsetAmount},
        {"no material", [](RailEntry& e) { e.materialChosen = false; }, C::Spacing, 0, "Must select a material type.",
         F::Material},
        {"no hole type", [](RailEntry& e) { e.side[0].holeChosen = false; }, C::MakeEqual, 0,
         "Must select a hole type.", F::HoleType},
        {"no side 2 hole type",
         [&](RailEntry& e) {
             both(e);
             e.side[1].holeChosen = false;
         },
         C::Refresh, 1, "Must select a hole type.", F::HoleType},
        {"no distance", [](RailEntry& e) { e.side[0].distanceText.clear(); }, C::Holes, 0,
         "Must specify a distance to first hole.", F::Distance},
        {"no side 2 distance",
         [&](RailEntry& e) {
             both(e);
             e.side[1].distanceText.clear();
         },
         C::Spacing, 1, "Must specify a distance to first hole.", F::Distance},
        {"hole wider", [](RailEntry& e) { e.side[0].holeWidth = 5.5f; }, C::Spacing, 0, "Hole is wider than material",
         F::None},
        {"hole as wide", [](RailEntry& e) { e.side[0].holeWidth = 5; }, C::Spacing, 0,
         "Hole is the same width as material", F::None},
        {"side 2 hole wider",
         [&](RailEntry& e) {
             both(e);
             e.side[1].holeWidth = 6;
         },
         C::Spacing, 0, "Hole is wider than material", F::None},
        {"hole longer", [](RailEntry& e) { e.side[0].holeLength = 49; }, C::Spacing, 0, "Hole is longer than material",
         F::None},
        {"hole as long once stretched",
         [](RailEntry& e) {
             // 6 x 1.25 + 1.5 = 9 on a slope of 3 over 4.
             e.materialLength = 9;
             e.rise = 3;
             e.run = 4;
         },
         C::Spacing, 0, "Hole is the same length as material", F::None},
        {"distance beyond the rail", [](RailEntry& e) { e.side[0].distanceText = "50"; }, C::Spacing, 0,
         "Distance from top longer than material.", F::None},
        {"distance the rail's length", [](RailEntry& e) { e.side[0].distanceText = "48"; }, C::Distance, 0,
         "Distance from top same length as material.", F::None},
        {"side 1's distance checked while both sides are cut",
         [&](RailEntry& e) {
             both(e);
             e.side[0].distanceText = "60";
         },
         C::Spacing, 0, "Distance from top longer than material.", F::None},
        {"typed count too long for the rail", [](RailEntry& e) { e.side[0].holesText = "6"; }, C::Spacing, 0,
         kTooShort, F::None},
        {"count raised beyond the rail",
         [](RailEntry& e) {
             e = laidOut(e);
             e.side[0].holesText = "7";
         },
         C::Holes, 0, "Not Enough Material to Add Additional Hole", F::Holes},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.name);
        RailEntry e = rail();
        c.setUp(e);
        const RailLayoutResult r = checkRailLayout(e, c.change, c.side);
        EXPECT_EQ(r.message ? std::string(r.message) : "", c.message ? std::string(c.message) : "");
        EXPECT_EQ(r.field, c.field);
        if (c.field != RailField::None) {
            EXPECT_EQ(r.fieldSide, c.side);
        }
    }
}

TEST(RailLayoutCheck, AnEmptyCountIsAsManyAsFitAndSaysSo)
{
    const RailLayoutResult r = checkRailLayout(rail(), RailChange::Spacing);
    ASSERT_EQ(r.message, nullptr);
    EXPECT_EQ(r.entry.side[0].holesText, "5");
    EXPECT_EQ(r.entry.side[0].bottomText, "6.000");
    EXPECT_TRUE(r.entry.side[0].countByPage);
}

TEST(RailLayoutCheck, NothingIsLaidOutBeforeASpacingIsTyped)
{
    RailEntry e = laidOut();
    e.side[0].spacingText.clear();
    const RailLayoutResult r = checkRailLayout(e, RailChange::Distance);
    EXPECT_EQ(r.message, nullptr);
    EXPECT_EQ(r.entry.side[0].spacing, 0);
    EXPECT_EQ(r.entry.side[0].bottomText, "") << "no distance left below a layout not made";
}

// A slope that leaves no room for the count the page filled in changes it, says so beside it,
// and shows what the new count leaves.
TEST(RailLayoutCheck, ACountTheSlopeNoLongerFitsIsChangedAndTheBottomFollows)
{
    RailEntry e = laidOut();
    e.riseText = "3";
    e = checkRailLayout(e, RailChange::Rise).entry;
    EXPECT_EQ(e.side[0].holesText, "5") << "a rise alone is level";
    e.runText = "4";
    const RailLayoutResult r = checkRailLayout(e, RailChange::Run);
    EXPECT_STREQ(r.message, "Invalid Settings.\nMaterial Length not long enough for current settings");
    // Holes 9 long and 2.5 apart: four fit after 4 (4 + 36 + 7.5) and leave 0.5.
    EXPECT_EQ(r.entry.side[0].holesText, "4");
    EXPECT_EQ(r.entry.side[0].bottomText, "0.500");
    EXPECT_TRUE(r.entry.side[0].countByPage);
    EXPECT_FLOAT_EQ(r.slope.factor, 1.25f);
    EXPECT_FLOAT_EQ(r.slope.extra, 1.5f);
}

TEST(RailLayoutCheck, ACountRaisedBeyondTheRailStopsAtTheLastThatFits)
{
    RailEntry e = laidOut();
    e.side[0].holesText = "4";
    e = checkRailLayout(e, RailChange::Holes).entry;
    EXPECT_EQ(e.side[0].bottomText, "14.000");
    EXPECT_FALSE(e.side[0].countByPage) << "the operator's own count";
    e.side[0].holesText = "9";
    const RailLayoutResult r = checkRailLayout(e, RailChange::Holes);
    EXPECT_STREQ(r.message, "Not Enough Material to Add Additional Hole");
    EXPECT_EQ(r.entry.side[0].holesText, "5");
    EXPECT_EQ(r.entry.side[0].bottomText, "6.000");
    EXPECT_TRUE(r.entry.side[0].countByPage);
}

TEST(RailLayoutCheck, ACountTypedBeforeTheLayoutIsCutToWhatFits)
{
    RailEntry e = rail();
    e.side[0].holesText = "6";
    const RailLayoutResult r = checkRailLayout(e, RailChange::Spacing);
    EXPECT_STREQ(r.message, "Invalid Settings.\nMaterial Length not long enough for current settings");
    EXPECT_EQ(r.entry.side[0].holesText, "5");
    EXPECT_EQ(r.entry.side[0].bottomText, "6.000");
}

TEST(RailLayoutCheck, TabbingThroughTheCountKeepsThePagesNote)
{
    RailEntry e = laidOut();
    const RailLayoutResult r = checkRailLayout(e, RailChange::Holes);
    EXPECT_EQ(r.message, nullptr);
    EXPECT_TRUE(r.entry.side[0].countByPage);
}

TEST(RailLayoutCheck, FractionsAreReadExactlyAndShownAsDecimals)
{
    RailEntry e = rail();
    e.side[0].distanceText = "5 1/2";
    e.side[0].spacingText = "1-3/4";
    e.riseText = "1/2";
    e = checkRailLayout(e, RailChange::Rise).entry;
    e = checkRailLayout(e, RailChange::Distance).entry;
    EXPECT_EQ(e.side[0].distanceText, "5.500");
    EXPECT_EQ(e.side[0].distanceFromTop, 5.5f);
    EXPECT_EQ(e.side[0].spacingText, "1.750");
    EXPECT_EQ(e.side[0].spacing, 1.75f);
    EXPECT_EQ(e.riseText, "0.500");
    e.side[0].offsetText = "-1 1/2";
    e = checkRailLayout(e, RailChange::OffsetAmount).entry;
    EXPECT_EQ(e.side[0].offsetAmount, -1.5f);
}

// Equal means equal as shown, and stays so when the fields are read again.
TEST(RailLayoutCheck, MakeEqualShowsTheSameDistanceAtBothEnds)
{
    RailEntry e = rail();
    e.side[0].distanceText = "4.001";
    e = checkRailLayout(laidOut(e), RailChange::MakeEqual).entry;
    EXPECT_EQ(e.side[0].distanceText, e.side[0].bottomText);
    EXPECT_EQ(e.side[0].distanceText, "5.000");
    // Top and bottom add up to 18.121 here: half of it lies between two thousandths, where the
    // bottom its count leaves rounds apart from the top unless the top is chosen with care.
    e = rail();
    e.materialLength = 22.794f;
    e.side[0].holeLength = 4.673f;
    e.side[0].distanceText = "8.376";
    e.side[0].spacingText = "7.708";
    e.side[0].holesText = "1";
    e = checkRailLayout(laidOut(e), RailChange::MakeEqual).entry;
    EXPECT_EQ(e.side[0].distanceText, e.side[0].bottomText);
    EXPECT_EQ(checkRailLayout(e, RailChange::Distance).entry.side[0].bottomText, e.side[0].bottomText);
    for (RailChange again : {RailChange::Distance, RailChange::Spacing, RailChange::Holes}) {
        e = checkRailLayout(e, again).entry;
        EXPECT_EQ(e.side[0].distanceText, e.side[0].bottomText);
    }
}

// On rails of random sizes, every layout the check accepts leaves what its count leaves, and
// Make Top/Bottom Equal shows the same text at both ends.
TEST(RailLayoutCheck, RandomRails)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&](double low, double high) {
        return fixed3(static_cast<float>(std::uniform_real_distribution<double>(low, high)(random)));
    };
    for (int round = 0; round < 2000; ++round) {
        RailEntry e = rail();
        e.side[0].holesText = round % 2 == 0 ? "" : std::to_string(1 + round % 5);
        e.materialLength = static_cast<float>(leadingDouble(pick(20, 150)));
        e.side[0].holeLength = static_cast<float>(leadingDouble(pick(0.5, 8)));
        e.side[0].distanceText = pick(0, 10);
        e.side[0].spacingText = pick(0, 12);
        e.riseText = pick(0, 4);
        e.runText = pick(0.5, 12);
        e = checkRailLayout(e, RailChange::Rise).entry;
        const RailLayoutResult r = checkRailLayout(e, RailChange::Run);
        if (r.message)
            continue;
        const RailEntrySide& s = r.entry.side[0];
        const float hole = static_cast<float>(double(s.holeLength) * r.slope.factor + r.slope.extra);
        const float spacing = static_cast<float>(double(s.spacing) * r.slope.factor);
        EXPECT_GE(s.distanceFromBottom, 0) << s.holesText;
        EXPECT_NEAR(s.distanceFromBottom,
                    bottomAfter(r.entry.materialLength, s.distanceFromTop, hole, spacing, s.holeCount), 1e-3);
        EXPECT_EQ(s.bottomText, fixed3(s.distanceFromBottom));
        RailEntry equal = checkRailLayout(r.entry, RailChange::MakeEqual).entry;
        EXPECT_EQ(equal.side[0].distanceText, equal.side[0].bottomText);
        equal = checkRailLayout(equal, RailChange::Distance).entry;
        EXPECT_EQ(equal.side[0].distanceText, equal.side[0].bottomText) << "read again";
    }
}

TEST(RailLayoutCheck, ThePagesCountIsNoLongerAsManyAsFitOnceMoreFit)
{
    RailEntry e = laidOut();
    ASSERT_TRUE(e.side[0].countByPage);
    e.side[0].spacingText = "1";
    const RailLayoutResult r = checkRailLayout(e, RailChange::Spacing);
    EXPECT_EQ(r.entry.side[0].holesText, "5") << "a count once shown stays";
    EXPECT_FALSE(r.entry.side[0].countByPage) << "six fit now";
}
