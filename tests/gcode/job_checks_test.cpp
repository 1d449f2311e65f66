#include "gcode/job_checks.h"

#include "gcode/hole_routine.h"
#include "support/gcode_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class JobChecksTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useExampleMachine();
        job = examplePostJob();
    }
    // The first message of the checks, or "" when the job passes.
    std::string refusal(const std::function<bool()>& check)
    {
        messages.clear();
        const bool ok = check();
        EXPECT_EQ(ok, messages.entries().empty());
        return ok ? "" : messages.texts().at(0);
    }
    std::string holeCut(HoleRecord hole, bool manual = false)
    {
        return refusal([&] { return checkHoleCut(HoleCut{hole, hole.length, manual}, gs, ", side two.", messages); });
    }
    std::string placement()
    {
        return refusal([&] { return checkPostPlacement(job, shopRun(), messages); });
    }
    PostJob job;
};

} // namespace

// Holes whose tool path leaves the hole, measured on the path the routine writes.
TEST_F(JobChecksTest, ToolStaysInsideTheHole)
{
    struct Case {
        const char* what;
        float bit, leadIn, exit;
        HoleRecord hole;
        bool manual;
        std::string message;
    };
    const Case cases[] = {
        {"touching its wall", 0.5f, 0.75f, 0.125f, {"", 4, 1.5f, 0.5f, 0}, false, ""},
        {"lead-in past the right wall", 0.25f, 0.5f, 0.125f, {"", 4, 1, 0.5f, 0}, false, "Lead in Arc Radius Error, side two."},
        {"lead-in the check allows", 0.5f, 0.75f, 0.125f, {"", 4, 1.5f, 0.75f, 0}, false, "Lead in Arc Radius Error, side two."},
        {"round hole, past the top", 0.25f, 0.5f, 0.125f, {"", 1, 1, 0.5f, 0}, false, "Lead in Arc Radius Error, side two."},
        {"square, closing feed short of the wall", 0.5f, 0.125f, 0.125f, {"", 4, 0.9f, 0.25f, 0}, false, "Lead in Arc Radius Error, side two."},
        {"manual square narrower than four radii", 0.5f, 0.125f, 0.125f, {"", 4, 0.8f, 0.25f, 0}, true, "Lead in Arc Radius Error, side two."},
        {"exit arc past the wall", 0.5f, 0.25f, 0.45f, {"", 4, 0.9f, 0.3f, 0}, false, "Exit Arc Radius Error, side two."},
        {"bit wider than the hole", 0.5f, 0.1f, 0.1f, {"", 4, 0.4f, 0.1f, 0}, false, "Bit Diameter Error, side two."},
        {"subprogram hole", 0.5f, 0.1f, 0.1f, {"", 4, 0.4f, 0.1f, 1}, false, ""},
        {"geometry first", 0.5f, 0.25f, 0.125f, {"", 4, 1.5f, 0.8f, 0}, false, "Hole Radius Error, side two."},
        // Without a lead-in the path starts where the last hole left the tool: nothing to check there.
        {"no lead-in, rounded", 0.5f, 0, 0.125f, {"", 4, 1.5f, 0.5f, 0}, false, ""},
        {"no lead-in, square", 0.5f, -1, 0.125f, {"", 4, 1.5f, 0.25f, 0}, false, ""},
        {"no lead-in, manual square", 0.5f, 0, 0.125f, {"", 4, 1.5f, 0.25f, 0}, true, ""},
    };
    for (const Case& c : cases) {
        gs.bit = c.bit;
        gs.leadin = c.leadIn;
        gs.exit = c.exit;
        EXPECT_EQ(holeCut(c.hole, c.manual), c.message) << c.what;
    }
}

// Where the program would cut each hole: on the post, on the table, within the words' range.
TEST_F(JobChecksTest, HolesLieOnThePostAndTheMachine)
{
    struct Case {
        const char* what;
        std::function<void(PostJob&)> change;
        std::string message;
    };
    const Case cases[] = {
        {"the worked example", [](PostJob&) {}, ""},
        {"touching the top end", [](PostJob& j) { j.side[0].distanceFromTop = 0; }, ""},
        {"below the post's end", [](PostJob& j) { j.side[0].distanceFromTop = 99999; },
         "Hole 1 of side one lies outside the material."},
        {"above the top", [](PostJob& j) { j.side[0].holeCount = 2; j.side[0].spacing = -24; },
         "Hole 2 of side one lies outside the material."},
        {"beside the face", [](PostJob& j) { j.side[0].useOffsetting = 1; j.offsetAmount(0) = 4; },
         "Hole 1 of side one lies outside the material."},
        {"alternate holes stepping by the amount's sign",
         [](PostJob& j) {
             j.material.width = 4;
             j.side[0] = {6, 2, 2, 1, kUnsetLength, 1};
             j.offsetAmount(0) = -0.25f;
         },
         "Hole 2 of side one lies outside the material."},
        {"past the end of a short post", [](PostJob& j) { j.side[0].holeCount = 20; },
         "Hole 8 of side one lies outside the material."},
        {"a count that cannot be cut", [](PostJob& j) { j.side[0].holeCount = 99'999'998; },
         "Hole 8 of side one lies outside the material."},
        {"side two", [](PostJob& j) { j.sides = 2; j.side[1] = j.side[0]; j.side[1].distanceFromTop = 45; },
         "Hole 1 of side two lies outside the material."},
        {"off the table", [](PostJob&) { gs.table = {0, 0, 10.4f, 100, 0}; },
         "Hole 1 of side one lies outside the machine table."},
        {"on the table's edge", [](PostJob&) { gs.table = {0, 0, 10.5f, 100, 0}; }, ""},
        {"below the words' range", [](PostJob&) { gs.startpos.y = -9990; },
         "Hole 1 of side one lies outside the machine's range."},
        {"no post cut", [](PostJob& j) { gs.cutatonce = 0; j.side[0].distanceFromTop = 99999; },
         "Hole 1 of side one lies outside the material."},
    };
    for (const Case& c : cases) {
        useExampleMachine();
        gs.table = {};
        job = examplePostJob();
        c.change(job);
        EXPECT_EQ(placement(), c.message) << c.what;
    }
}

TEST_F(JobChecksTest, RailAndManualJobsAreCheckedAlike)
{
    RailJob rail;
    rail.material = job.material;
    rail.holeType = job.holeType;
    rail.side[0].distanceFromTop = 6;
    rail.side[0].spacing = 2;
    rail.side[0].holeCount = 7;
    EXPECT_EQ(refusal([&] { return checkRailPlacement(rail, shopRun(1, {1.25f, 0}), messages); }),
              "Hole 6 of side one lies outside the material.")
        << "the stretched holes take more of the rail";

    RailJob wide;
    wide.holeType[0] = HoleRecord{"SLOT 3X4", 3, 4, 1.6f, 0};
    EXPECT_EQ(refusal([&] { return checkRailHoleTypes(wide, shopRun(), {"", ", side two."}, messages); }),
              "Hole Radius Error");
    EXPECT_EQ(refusal([&] { return checkRailHoleTypes(wide, shopRun(1, {1.1f, 0}), {"", ", side two."}, messages); }), "")
        << "stretched to 3.3, the hole holds its corners";

    ManualJob manual;
    manual.sides = 2;
    manual.material = job.material;
    manual.placedHoles[0][0] = {exampleHole(), 6, 0};
    manual.placedHoles[1][4] = {exampleHole(), 50, 0};
    EXPECT_EQ(refusal([&] { return checkManualPlacement(manual, shopRun(), messages); }),
              "Hole 5 of side two lies outside the material.");
    manual.placedHoles[1][4].hole.width = 0.4f;
    EXPECT_EQ(refusal([&] { return checkManualHoleTypes(manual, shopRun(), messages); }),
              "Hole Radius Error, side two, hole 5.");
}
