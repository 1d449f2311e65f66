// korvanta-cli verify through the real executable: the report and the exit status.
#include "settings/files.h"
#include "settings/ini_file.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"
#include "support/run_process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class VerifyCommandTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine(); // the machine most golden programs were written for
        ASSERT_TRUE(WriteIniFile(messages));
    }

    // The real program in the home folder.
    int verify(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "verify");
        return runProgram(KORVANTA_CLI, arguments, home.path(), home.file("stdout.txt"), home.file("stderr.txt"));
    }
    int verify(const std::string& arguments) { return verify(words(arguments)); }
    std::string output() const { return printedText(home.read("stdout.txt")); }
};

} // namespace

TEST_F(VerifyCommandTest, GoldenProgramsOfTheMachineAreClean)
{
    std::vector<std::string> programs;
    int count = 0;
    for (const char* folder : {"programs/post", "programs/manual", "programs/rail", "cli"}) {
        for (const auto& entry : std::filesystem::directory_iterator(goldenPath(folder))) {
            std::string bytes;
            readWholeFile(entry.path().string(), bytes);
            if (bytes.find("v2 a\"ZW\"") == std::string::npos)
                continue; // written for another machine
            programs.push_back(entry.path().string());
            count += 1;
        }
    }
    EXPECT_EQ(verify(programs), 0) << output();
    EXPECT_GT(count, 40);
    EXPECT_EQ(output().find(" 0 holes"), std::string::npos);
}

TEST_F(VerifyCommandTest, ReportsEachProblemAtItsLineAndFailsWithIt)
{
    home.write("bent.tap", "F120 XY\nF30 ZW\nG0 X10.000 Y30.000 \nG1 Z-0.750 W-0.750\nG2 X10.000 Y30.000 I0.250 J0.000 \n"
                           "G0 X12.000 Y30.000 \nG0 Z0.500 W0.500\n");
    EXPECT_EQ(verify("bent.tap missing.tap"), 1);
    EXPECT_EQ(output(), "bent.tap:6: A rapid move while the heads are down drags the bit through the post.\n"
                        "bent.tap:6: The tool leaves the hole by 1.500.\n"
                        "bent.tap: 1 holes, 2 problems, cutting time 00:02\n"
                        "missing.tap: cannot be read\n");
    EXPECT_EQ(verify("--json bent.tap"), 1);
    EXPECT_NE(output().find("{\"line\":6,\"text\":\"The tool leaves the hole by 1.500.\"}"), std::string::npos);
    EXPECT_NE(output().find("\"clean\":false"), std::string::npos);
    EXPECT_EQ(verify("--bit"), 2);
    EXPECT_EQ(verify(""), 2);
}

// The program's name, outside ASCII and with a space, comes back in the report as it was given.
TEST_F(VerifyCommandTest, ReportsAProgramNamedOutsideAsciiByItsName)
{
    const std::string name = "Zaun M\u00fcller \u4e2d.tap";
    ASSERT_TRUE(writeFileAtomically(home.file(name), "F120 XY\r\nF30 ZW\r\nG0 X10.000 Y30.000 \r\n"));
    EXPECT_EQ(verify(std::vector<std::string>{name}), 0) << output();
    EXPECT_EQ(output().rfind(name + ": 0 holes", 0), 0u) << output();
}
