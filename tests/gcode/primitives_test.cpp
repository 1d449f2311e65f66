#include "gcode/output/primitives.h"

#include "settings/settings.h"
#include "support/gcode_fixture.h"

#include <gtest/gtest.h>

namespace {

class PrimitivesTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine();
    }
    std::string written() const { return out.bytes(); }
    ProgramOutput out;
};

} // namespace

TEST_F(PrimitivesTest, MotionLinesPutABlankAfterEveryWord)
{
    writeRapid(out, 2, 36.5f, kOmit);
    writeArc(out, 1.25f, 2, -0.25f, 0);
    writeFeed(out, kOmit, 3, kOmit);
    writeFeed(out, kOmit, kOmit, kOmit);
    writeRapid(out, -9999.0f, -10000.0f, -9998.9f);
    writeArc(out, kOmit, kOmit, kOmit, kOmit);
    writeFeed(out, -0.0004f, 0.1f, 1234.5678f);
    EXPECT_EQ(written(), "G0 X2.000 Y36.500 \r\n"
                         "G2 X1.250 Y2.000 I-0.250 J0.000 \r\n"
                         "G1 Y3.000 \r\n"
                         "G0 Z-9998.900 \r\n"
                         "G2 \r\n"
                         "G1 X-0.000 Y0.100 Z1234.568 \r\n");
}

TEST_F(PrimitivesTest, LetteredHeadLinesPutABlankBeforeEveryWord)
{
    writeHeadsToClearance(out, gs);
    writeHeadsToDepth(out, gs, 0.75f);
    writeHeadsHome(out, gs);
    EXPECT_EQ(written(), "G0 Z0.500 W0.500\r\nG1 Z-0.750 W-0.750\r\nG53\r\n");
}

TEST_F(PrimitivesTest, NumberedHeadsAreNamedByMCodes)
{
    gs.headchars = "12";
    writeHeadsHome(out, gs);
    writeHeadsToClearance(out, gs);
    writeHeadsToDepth(out, gs, 0.75f);
    EXPECT_EQ(written(), "M12 C1 C2\r\nM12 C1 C2\r\nM11 C1 C2\r\n");
}

TEST_F(PrimitivesTest, OnlyTheFirstHeadCharacterDecidesLettering)
{
    gs.headchars = "Z1";
    writeHeadsToClearance(out, gs);
    EXPECT_EQ(written(), "G0 Z0.500 10.500\r\n");
}

TEST_F(PrimitivesTest, SpindleCommandsAreWrittenOnceWhenAllHeadsAgree)
{
    gs.heads = 3;
    gs.head1on = gs.head2on = gs.head3on = "m3";
    gs.head4on = "other"; // beyond the heads in use
    writeSpindleCommands(out, gs, Spindle::On);
    EXPECT_EQ(written(), "m3\r\n");

    ProgramOutput differing;
    gs.head3on = "";
    writeSpindleCommands(differing, gs, Spindle::On);
    EXPECT_EQ(differing.bytes(), "m3\r\nm3\r\n\r\n");

    ProgramOutput off;
    gs.head1off = "m5.1";
    gs.head2off = "m5.2";
    gs.head3off = "m5.1";
    writeSpindleCommands(off, gs, Spindle::Off);
    EXPECT_EQ(off.bytes(), "m5.1\r\nm5.2\r\nm5.1\r\n");
}

TEST_F(PrimitivesTest, TextKeepsItsWordsAndGetsControllerLineEnds)
{
    writeText(out, "");
    writeText(out, "[Next Post]\n\nM98 x");
    EXPECT_EQ(written(), "[Next Post]\r\n\r\nM98 x");
    EXPECT_EQ(absValue(-2.5f), 2.5f);
}
