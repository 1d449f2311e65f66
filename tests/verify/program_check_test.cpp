// The program reader and its checks: every golden program reads back clean, and each check finds
// a program that breaks it at the right line.
#include "settings/files.h"
#include "support/golden.h"
#include "verify/program_check.h"
#include "verify/same_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <regex>

namespace {

VerifyMachine exampleMachine(int heads = 1, std::string chars = "Z")
{
    VerifyMachine machine;
    machine.heads = heads;
    machine.headChars = std::move(chars);
    machine.spindleCommands = {"m3", "m5"};
    machine.bitDiameter = 0.5;
    return machine;
}

// The machine a golden program was written for, as its header records it.
VerifyMachine machineOf(const std::string& path, const std::string& program)
{
    VerifyMachine machine = exampleMachine(2, "ZW");
    std::smatch found;
    if (std::regex_search(program, found, std::regex("v([0-9]) a\"([^\"]*)\"")))
        machine = exampleMachine(std::stoi(found[1]), found[2]);
    if (path.find("four-heads-differing") != std::string::npos)
        machine.spindleCommands = {"m3.1", "m3.2", "m3.3", "m3.4", "m5"};
    return machine;
}

std::string problemsOf(const ProgramReport& report)
{
    std::string text;
    for (const Problem& problem : report.problems())
        text += std::to_string(problem.line) + ": " + problem.text + "\n";
    return text;
}

// The worked example's one hole: bit 0.5, hole 4 x 1.5 with radius 0.5, lead-in 0.25, exit 0.125.
const char* const kOneHole = "G90\n"
                             "F120 XY\n"
                             "F30 Z\n"
                             "G92.1 Z3.500\n"
                             "G53\n"
                             "m3\n"
                             "G0 X10.000 Y30.500 \n"
                             "G0 Z0.500\n"
                             "G1 Z-0.750\n"
                             "G2 X9.750 Y30.250 I-0.250 J0.000 \n"
                             "G2 X9.500 Y30.500 I0.000 J0.250 \n"
                             "G1 X9.500 Y33.500 \n"
                             "G2 X9.750 Y33.750 I0.250 J0.000 \n"
                             "G1 X10.250 \n"
                             "G2 X10.500 Y33.500 I0.000 J-0.250 \n"
                             "G1 Y30.500 \n"
                             "G2 X10.250 Y30.250 I-0.250 J0.000 \n"
                             "G1 X9.750 \n"
                             "G2 X9.500 Y30.500 I0.000 J0.250 \n"
                             "G2 X9.625 Y30.625 I0.125 J0.000 \n"
                             "G0 Z0.500\n"
                             "m5\n"
                             "G53\n"
                             "G0 X0.000 Y0.000 \n";

// The one-hole program with line `line` (counted from 1) replaced.
std::string withLine(int line, const std::string& text)
{
    std::string program = kOneHole;
    size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = program.find('\n', start) + 1;
    return program.replace(start, program.find('\n', start) - start, text);
}

} // namespace

TEST(ProgramCheck, EveryGoldenProgramReadsBackClean)
{
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(goldenPath(""))) {
        if (entry.path().extension() != ".tap" || entry.path().generic_string().find("/fuzz/") != std::string::npos)
            continue; // the fuzz corpora hold broken inputs on purpose
        std::string program;
        ASSERT_TRUE(readWholeFile(entry.path().string(), program));
        const ProgramReport report = verifyProgram(program, machineOf(entry.path().string(), program));
        EXPECT_EQ(problemsOf(report), "") << entry.path();
        checked += 1;
    }
    EXPECT_GT(checked, 60);
}

TEST(ProgramCheck, EachCheckFindsItsFaultAtItsLine)
{
    const struct {
        std::string program;
        int line;
        const char* text;
    } cases[] = {
        {withLine(10, "G2 X9.750 Y30.250 I-0.260 J0.000 "), 10, "The arc's end lies 0.010 off its circle."},
        {withLine(12, "G0 X9.500 Y33.500 "), 12, "A rapid move while the heads are down drags the bit"},
        {withLine(9, "G0 Z-0.750"), 9, "Head Z goes into the post at rapid speed."},
        {withLine(7, "G0 X10.000 "), 7, "The gantry's position is not known here"},
        {withLine(20, "G2 X9.400 Y30.400 I-0.100 J0.000 "), 20, "The tool leaves the hole by 0.114."},
        {"G0 X1.000 Y1.000 \nG1 Z-0.500\nG1 X2.000 \nG1 Y2.000 \nG0 Z0.500\n", 2,
         "The cut goes round no closed outline"},
        {withLine(4, "G91"), 4, "Cannot read this line: the code G91 is not one this program writes."},
        {withLine(21, "G0 Z1.000 W0.500"), 21, "Cannot read this line: a move that names neither"},
        {std::string(kOneHole).substr(0, std::string(kOneHole).find("G0 Z0.500\nm5")), 20,
         "The program ends with the heads down."},
    };
    for (const auto& c : cases) {
        const ProgramReport report = verifyProgram(c.program, exampleMachine());
        ASSERT_FALSE(report.problems().empty()) << c.text;
        EXPECT_EQ(report.problems().front().line, c.line) << problemsOf(report);
        EXPECT_EQ(report.problems().front().text.rfind(c.text, 0), 0u) << problemsOf(report);
    }
}

TEST(ProgramCheck, TheTableAndTheGantryAxesAreTheMachinesOwn)
{
    VerifyMachine machine = exampleMachine();
    machine.hasTable = true;
    machine.tableMinX = 1, machine.tableMinY = 1, machine.tableMaxX = 48, machine.tableMaxY = 120;
    // The park position (0, 0) lies beside the table, where the heads are all up.
    EXPECT_EQ(problemsOf(verifyProgram(kOneHole, machine)), "");
    machine.tableMinX = 10.2; // the plunge at X10 and the outline's left side are off the table
    const ProgramReport offTable = verifyProgram(kOneHole, machine);
    ASSERT_FALSE(offTable.problems().empty());
    EXPECT_EQ(offTable.problems()[0].line, 9);
    EXPECT_EQ(offTable.problems()[0].text, "The path leaves the machine table at X10.000 Y30.500.");

    // A head lettered X: its clearance line would move the gantry.
    const ProgramReport xHead = verifyProgram("G0 X0.500\n", exampleMachine(1, "X"));
    ASSERT_EQ(xHead.problems().size(), 1u);
    EXPECT_EQ(xHead.problems()[0].text.rfind("The head word X names an axis of the gantry", 0), 0u);
}

TEST(ProgramCheck, HeadCharactersMayBeDigitsAfterALetter)
{
    // Head 2 is "1": its word "10.500" is character 1 and the value 0.500.
    const std::string program = "G0 X1.000 Y1.000 \nG0 Z0.500 10.500\nG1 Z-0.750 1-0.750\nG1 X2.000 \nG1 X1.000 \n"
                                "G0 Z0.500 10.500\n";
    const ProgramReport report = verifyProgram(program, exampleMachine(2, "Z1"));
    EXPECT_EQ(problemsOf(report), "");
    EXPECT_EQ(report.holes, 1);
    const ProgramReport oneDown = verifyProgram("G0 X1.000 Y1.000 \nG1 Z-0.750\nG1 X2.000 \n", exampleMachine(2, "Z1"));
    EXPECT_NE(problemsOf(oneDown).find("The gantry cuts while head 1 is up"), std::string::npos);
}

TEST(ProgramCheck, CuttingTimeCountsFeedsAndPlungesOnly)
{
    const ProgramReport report = verifyProgram(kOneHole, exampleMachine());
    EXPECT_EQ(problemsOf(report), "");
    EXPECT_EQ(report.holes, 1);
    // The plunge from 0.5 to -0.75 at 30; the outline's sides (7), six quarter circles of radius
    // 0.25 (the lead-in and five corners) and the exit's of radius 0.125 at 120.
    const double pi = std::numbers::pi;
    EXPECT_NEAR(report.cuttingSeconds, 60 * (1.25 / 30 + (7 + 6 * pi / 8 + pi / 16) / 120), 1e-3);
}

// Plain moves are read by a shortcut; every line, plain or not, reads as the general reader reads it.
TEST(ProgramCheck, TheShortcutForPlainMovesAgreesWithTheGeneralReader)
{
    std::vector<std::string> lines = {
        "G0 X1", "G01 X1.5 Y2", "g1 x1.5 y-2 ", "G0 X0.5", "G2 X1 Y2 I0 J1", "G2 K1", "G2", "G1 Z-0.5 W-0.5",
        "G1 Z1 X1", "G0", "  G0  X1.0  ", "G1 X1.0\tY2", "G0 X+1", "G0 X-.5", "G0 X.", "G0 X1e5", "G1.0 X1",
        "G0 X1 Y2 X3 Y4 X5 Y6 X7 Y8", "G0 X1 Y2 X3 Y4 X5 Y6 X7 Y8 X9", "G0 X1234567890.1234567", "G3 X1", "G0X1",
        "G0 Z0.500 10.500", "G0 W", "G001 Y2", "G0 X1 Z1", "m3", "G4 P1"};
    for (const char* folder : {"programs/post", "programs/manual", "programs/rail"}) {
        for (const auto& entry : std::filesystem::directory_iterator(goldenPath(folder))) {
            std::string program;
            readWholeFile(entry.path().string(), program);
            for (size_t start = 0; start < program.size(); start = program.find('\n', start) + 1)
                lines.push_back(program.substr(start, program.find('\n', start) - start));
        }
    }
    VerifyMachine commandLikeAMove = exampleMachine(2, "ZW");
    commandLikeAMove.spindleCommands.push_back("G4 P1");
    for (const VerifyMachine& machine : {exampleMachine(2, "ZW"), exampleMachine(1, "X"), exampleMachine(2, "12"),
                                         exampleMachine(2, "Z1"), commandLikeAMove}) {
        const VerifyMachine plain = machine.withPlainCommands();
        for (const std::string& line : lines)
            EXPECT_TRUE(sameLine(readProgramLine(line, plain), readProgramLineGenerally(line, plain)))
                << machine.headChars << ": " << line;
    }
}
