// korvanta-cli verify through the real executable: the report and the exit status.
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
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
                        "bent.tap: note: Hole sizes were not checked: the program has no setup header that names "
                        "its hole types.\n"
                        "bent.tap: 1 holes, 2 problems, cutting time 00:02\n"
                        "missing.tap: cannot be read\n");
    EXPECT_EQ(verify("--json bent.tap"), 1);
    EXPECT_NE(output().find("{\"line\":6,\"text\":\"The tool leaves the hole by 1.500.\"}"), std::string::npos);
    EXPECT_NE(output().find("\"clean\":false"), std::string::npos);
    EXPECT_EQ(verify("--bit"), 2);
    EXPECT_EQ(verify(""), 2);
}

// The hole types the demo programs name, a rail 2 thick, and the header's bit "1/2".
void storeShopLibraries()
{
    const auto store = [](LibraryKind kind, const std::string& images) {
        writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
    };
    store(LibraryKind::Materials, encodeRecord(MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0}));
    store(LibraryKind::Holes, encodeRecord(HoleRecord{"RAIL 4X1.5", 4, 1.5f, 0.5f, 0}) +
                                  encodeRecord(HoleRecord{"RAIL 3X1", 3, 1, 0.375f, 0}) +
                                  encodeRecord(HoleRecord{"SLOT 4", 4, 1.5f, 0.5f, 0}) +
                                  encodeRecord(HoleRecord{"SLOT 3", 3, 1, 0.375f, 0}) +
                                  encodeRecord(HoleRecord{"Rail 4", 4, 1.5f, 0.5f, 0}) +
                                  encodeRecord(HoleRecord{"Rail 3", 3, 1.5f, 0.5f, 0}));
    store(LibraryKind::Bits, encodeRecord(BitRecord{"1/2", 0.5f}));
}

// Every hole against its hole type: clean with the bit the program was written for, every hole
// reported with its size for a larger or a smaller one; a sloped rail's holes at their stretched
// length.
TEST_F(VerifyCommandTest, HolesAreMeasuredAgainstTheirHoleTypes)
{
    storeShopLibraries();
    home.write("post.tap", readGoldenFile("programs/post/v1-sides2-alternate.tap"));
    home.write("manual.tap", readGoldenFile("programs/manual/v4-sides2.tap"));
    EXPECT_EQ(verify("post.tap manual.tap"), 0) << output();
    EXPECT_EQ(output().find("note:"), std::string::npos) << output();

    EXPECT_EQ(verify("--bit 0.625 post.tap"), 1);
    EXPECT_NE(output().find("post.tap:21: Hole 1 of side one is cut 1.625 x 4.125 with corners of 0.562; its hole "
                            "type RAIL 4X1.5 is 1.500 x 4.000 with corners of 0.500.\n"),
              std::string::npos)
        << output();
    EXPECT_NE(output().find(" 10 holes, 10 problems"), std::string::npos) << output();
    EXPECT_EQ(verify("--bit 0.375 manual.tap"), 1);
    EXPECT_NE(output().find("manual.tap:18: Hole 3 of side one is cut 1.375 x 2.875 with corners of 0.438; its hole type Rail 3 is "
                            "1.500 x 3.000 with corners of 0.500.\n"),
              std::string::npos)
        << output();

    // The rail rises 3 over a run of 4: the 4-inch slot is cut 4 x 5/4 + 2 x 3/4 = 6.5 long, as
    // the header's slope says; the same holes under a level header are too long.
    std::string sloped = readGoldenFile("programs/rail/sloped.tap");
    const size_t level = sloped.find(" d0.000 r0.000");
    home.write("sloped.tap", sloped);
    EXPECT_EQ(verify("sloped.tap"), 1);
    EXPECT_NE(output().find("its hole type SLOT 4 is 1.500 x 4.000."), std::string::npos) << output();
    home.write("sloped.tap", sloped.replace(level, 14, " d4.000 r3.000"));
    EXPECT_EQ(verify("sloped.tap"), 0) << output();
    writeFileAtomically(libraryFilePath(LibraryKind::Materials), toLibraryFileBytes({}));
    EXPECT_EQ(verify("sloped.tap"), 0);
    EXPECT_NE(output().find("sloped.tap: note: Hole sizes were not checked: the material library has no material "
                            "RAIL 2X6, whose thickness stretches the rail's holes.\n"),
              std::string::npos)
        << output();
}

TEST_F(VerifyCommandTest, UsageSaysWhatIsWrong)
{
    for (const char* help : {"--help", "a.tap --help"}) {
        EXPECT_EQ(verify(help), 0) << help;
        EXPECT_EQ(output().rfind("Usage: korvanta-cli generate", 0), 0u) << help;
    }
    EXPECT_EQ(verify("--bit abc a.tap"), 2);
    EXPECT_EQ(printedText(home.read("stderr.txt")).rfind("korvanta-cli: --bit abc: the bit's diameter must be a number greater than "
                                            "0.\nUsage:", 0),
              0u)
        << printedText(home.read("stderr.txt"));
    EXPECT_EQ(verify("--bits 1 a.tap"), 2);
    EXPECT_EQ(printedText(home.read("stderr.txt")).rfind("korvanta-cli: unknown option --bits.\n", 0), 0u);
}

// The program's name, outside ASCII and with a space, comes back in the report as it was given.
TEST_F(VerifyCommandTest, ReportsAProgramNamedOutsideAsciiByItsName)
{
    const std::string name = "Zaun M\u00fcller \u4e2d.tap";
    ASSERT_TRUE(writeFileAtomically(home.file(name), "F120 XY\r\nF30 ZW\r\nG0 X10.000 Y30.000 \r\n"));
    EXPECT_EQ(verify(std::vector<std::string>{name}), 0) << output();
    EXPECT_NE(output().find("\n" + name + ": 0 holes"), std::string::npos) << output();
}
