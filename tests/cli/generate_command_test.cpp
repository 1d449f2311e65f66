// The real korvanta-cli executable: exit status, standard error and the file it writes.
#include "platform/system_text.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"
#include "support/run_process.h"
#include "support/small_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class GenerateCommandTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        // The machine and libraries the golden post programs were written with.
        useTwoHeadMachine();
        gs.cutatonce = 2;
        ASSERT_TRUE(WriteIniFile(messages));
        const auto store = [](LibraryKind kind, const std::string& images) {
            writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
        };
        store(LibraryKind::Materials, encodeRecord(MaterialRecord{"VINYL 5X5", 48, 5, 0, 3.5f, 0, 0}));
        store(LibraryKind::Holes, encodeRecord(HoleRecord{"RAIL 4X1.5", 4, 1.5f, 0.5f, 0}) +
                                      encodeRecord(HoleRecord{"RAIL 3X1", 3, 1, 0.375f, 0}));
        store(LibraryKind::Bits, encodeRecord(BitRecord{"1/2", 0.5f}));
        home.write("source.tap", readGolden("programs/post/v1-sides2-alternate.tap"));
    }

    static std::string readGolden(const std::string& name)
    {
        std::string bytes;
        readWholeFile(goldenPath(name), bytes);
        return bytes;
    }

    // The real program in the home folder, its arguments given as single words.
    int generate(const std::string& arguments)
    {
        return runProgram(KORVANTA_CLI, words(arguments), home.path(), home.file("stdout.txt"),
                          home.file("stderr.txt"));
    }
    std::string errors() const { return printedText(home.read("stderr.txt")); }
};

} // namespace

// The settings file gives the spindle commands back in upper case; everything else of the
// program is what the source says.
std::string withUpperCaseSpindles(std::string program)
{
    for (const char* command : {"m3\r\n", "m5\r\n"}) {
        for (size_t at = program.find(command); at != std::string::npos; at = program.find(command, at))
            program[at] = 'M';
    }
    return program;
}

TEST_F(GenerateCommandTest, RegeneratesAPostProgramByteForByte)
{
    EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << errors();
    EXPECT_EQ(errors(), "");
    const std::string target = home.read("target.tap");
    expectMatchesGolden("cli/regenerated-post.tap", target);
    EXPECT_TRUE(target == withUpperCaseSpindles(readGolden("programs/post/v1-sides2-alternate.tap")));
    EXPECT_FALSE(home.exists("jobs.tap"));
    EXPECT_FALSE(home.exists("fdraw.tmp"));
    EXPECT_FALSE(home.exists("korvanta.ini.bak"));
}

// A Manual program is handed to a Manual page, which takes its sides and display from the file.
TEST_F(GenerateCommandTest, RegeneratesManualProgramsOfEveryVariant)
{
    writeFileAtomically(libraryFilePath(LibraryKind::Holes),
                        toLibraryFileBytes(encodeRecord(HoleRecord{"RAIL 4", 4, 1.5f, 0.5f, 0}) +
                                           encodeRecord(HoleRecord{"RAIL 3", 3, 1.5f, 0.5f, 0})));
    for (int variant = 1; variant <= 4; ++variant) {
        for (int sides = 1; sides <= 2; ++sides) {
            const std::string name = "v" + std::to_string(variant) + "-sides" + std::to_string(sides) + ".tap";
            home.write("source.tap", readGolden("programs/manual/" + name));
            EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << name << ": " << errors();
            const std::string target = home.read("target.tap");
            expectMatchesGolden("cli/regenerated-manual-" + name, target);
            // The source left slot 2 of side 1 empty; loaded, the holes close up and cut the same.
            std::string source = withUpperCaseSpindles(readGolden("programs/manual/" + name));
            source.replace(source.find("[side0hole3="), 12, "[side0hole2=");
            EXPECT_TRUE(target == source) << name;
        }
    }
}

TEST_F(GenerateCommandTest, RegeneratesRailProgramsLevelAndSloped)
{
    writeFileAtomically(libraryFilePath(LibraryKind::Materials),
                        toLibraryFileBytes(encodeRecord(MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0})));
    writeFileAtomically(libraryFilePath(LibraryKind::Holes),
                        toLibraryFileBytes(encodeRecord(HoleRecord{"SLOT 4", 4, 1.5f, 0.5f, 0}) +
                                           encodeRecord(HoleRecord{"SLOT 3", 3, 1, 0.375f, 0})));
    std::vector<std::string> names;
    for (int variant = 1; variant <= 4; ++variant) {
        for (int sides = 1; sides <= 2; ++sides)
            names.push_back("v" + std::to_string(variant) + "-sides" + std::to_string(sides) + ".tap");
    }
    names.push_back("level.tap");
    for (const std::string& name : names) {
        home.write("source.tap", readGolden("programs/rail/" + name));
        EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << name << ": " << errors();
        expectMatchesGolden("cli/regenerated-rail-" + name, home.read("target.tap"));
        EXPECT_EQ(bodyLines(home.read("target.tap")), bodyLines(withUpperCaseSpindles(readGolden("programs/rail/" + name))))
            << name;
    }
    // Rise 3 over run 4 on the rail 2 thick: the holes stretch as the writer's sloped program has them.
    std::string sloped = readGolden("programs/rail/level.tap");
    sloped.replace(sloped.find(" d0.000 r0.000"), 14, " d4.000 r3.000");
    home.write("source.tap", sloped);
    EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << errors();
    EXPECT_EQ(bodyLines(home.read("target.tap")), bodyLines(withUpperCaseSpindles(readGolden("programs/rail/sloped.tap"))));
}

// The settings' bit is 3/8 while the files name the 1/2 bit of the library: a Rail or Manual file
// is loaded on its own page, which looks the bit up, so its holes come out as they were cut.
TEST_F(GenerateCommandTest, RegeneratesWithTheBitTheHeaderNames)
{
    gs.bit = 0.375f;
    gs.bitname = "3/8";
    ASSERT_TRUE(WriteIniFile(messages));
    writeFileAtomically(libraryFilePath(LibraryKind::Materials),
                        toLibraryFileBytes(encodeRecord(MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0}) +
                                           encodeRecord(MaterialRecord{"VINYL 5X5", 48, 5, 0, 3.5f, 0, 0})));
    writeFileAtomically(libraryFilePath(LibraryKind::Holes),
                        toLibraryFileBytes(encodeRecord(HoleRecord{"SLOT 4", 4, 1.5f, 0.5f, 0}) +
                                           encodeRecord(HoleRecord{"SLOT 3", 3, 1, 0.375f, 0}) +
                                           encodeRecord(HoleRecord{"RAIL 4", 4, 1.5f, 0.5f, 0}) +
                                           encodeRecord(HoleRecord{"RAIL 3", 3, 1.5f, 0.5f, 0})));
    writeFileAtomically(libraryFilePath(LibraryKind::Bits),
                        toLibraryFileBytes(encodeRecord(BitRecord{"1/2", 0.5f}) + encodeRecord(BitRecord{"3/8", 0.375f})));
    for (const char* name : {"programs/rail/v2-sides2.tap", "programs/manual/v3-sides2.tap"}) {
        home.write("source.tap", readGolden(name));
        EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << name << ": " << errors();
        EXPECT_EQ(bodyLines(home.read("target.tap")), bodyLines(withUpperCaseSpindles(readGolden(name)))) << name;
    }
}

// A program of another machine is regenerated on the settings its header records, each
// difference told as a note; --shop-settings brings it to this shop's machine instead.
TEST_F(GenerateCommandTest, ShopSettingsBringAProgramToThisMachine)
{
    gs.heads = 1;
    gs.headchars = "Z";
    ASSERT_TRUE(WriteIniFile(messages));
    EXPECT_EQ(generate("generate source.tap --out target.tap"), 0) << errors();
    EXPECT_EQ(errors(), "note: Number of Heads: 2 in the program, 1 in this shop; the program's is used.\n"
                        "note: Vertical Axis Characters: ZW in the program, Z in this shop; the program's is used.\n");
    EXPECT_TRUE(home.read("target.tap") == readGolden("cli/regenerated-post.tap"));

    EXPECT_EQ(generate("generate source.tap --out target.tap --shop-settings"), 0) << errors();
    EXPECT_EQ(errors(), "note: Number of Heads: 2 in the program, 1 in this shop; this shop's is used.\n"
                        "note: Vertical Axis Characters: ZW in the program, Z in this shop; this shop's is used.\n");
    const std::string target = home.read("target.tap");
    EXPECT_NE(target.find("v1 a\"Z\""), std::string::npos);
    EXPECT_NE(target.find("\r\nG0 Z0.500\r\n"), std::string::npos);
    EXPECT_EQ(target.find(" W"), std::string::npos);
}

TEST_F(GenerateCommandTest, UsesTheSettingsOfTheHomeFolder)
{
    const std::string elsewhere = home.file("elsewhere");
    std::filesystem::create_directory(elsewhere);
    for (const char* name : {"korvanta.ini", "materials.sav", "holes.sav", "bits.sav"})
        std::filesystem::rename(home.file(name), joinPath(elsewhere, name));
    const std::string before = home.read("elsewhere/korvanta.ini");
    EXPECT_EQ(generate("generate source.tap --home elsewhere --out target.tap"), 0) << errors();
    EXPECT_TRUE(home.read("target.tap") == readGolden("cli/regenerated-post.tap"));
    EXPECT_EQ(home.read("elsewhere/korvanta.ini"), before) << "the settings file is never written";
}

TEST_F(GenerateCommandTest, FailuresSayWhyAndExitWithOne)
{
    struct Case {
        std::string arguments;
        std::string error;
    };
    home.write("foreign.tap", "G90\nG0 X1 \n");
    home.write("gate.tap", "[screen=Gate\n[config=c1\n");
    home.write("broken.tap", "[screen=Post\n[bogus=1\n");
    const std::vector<Case> cases = {
        {"generate missing.tap --out t.tap", "Unable to open " + home.file("missing.tap") + "\n"},
        {"generate foreign.tap --out t.tap", "Error Loading foreign.tap.\nFile Not Created with Korvanta Software.\n"},
        {"generate gate.tap --out t.tap", "Error Loading gate.tap.\nFile Not Created with Korvanta Software.\n"},
        {"generate broken.tap --out t.tap", "Error reading " + home.file("broken.tap") + "\nLoad Failed\n"},
        {"generate source.tap --out missing/t.tap",
         "Please check the path under the configuration tab\n" + home.file("missing") + " : No such file or directory\n"},
        {"generate source.tap --home nowhere --out t.tap", "Unable to read KORVANTA.INI file.\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(generate(c.arguments), 1) << c.arguments;
        EXPECT_EQ(errors(), c.error) << c.arguments;
    }
    EXPECT_FALSE(home.exists("t.tap"));
}

TEST_F(GenerateCommandTest, RefusedJobWritesNothing)
{
    const std::string golden = readGolden("programs/post/v1-sides2-alternate.tap");
    std::string source = golden;
    source.replace(source.find("h1 s1"), 5, "h1 s7");
    home.write("source.tap", source);
    EXPECT_EQ(generate("generate source.tap --out target.tap"), 1);
    EXPECT_EQ(errors(), "note: Cutting Style: 7 in the program, top down in this shop; the program's is used.\n"
                        "Please specify a cutting style under the configuration tab.\n");
    source = golden;
    source.replace(source.find("[post= d6.000"), 13, "[post= d99999");
    home.write("source.tap", source);
    EXPECT_EQ(generate("generate source.tap --out target.tap"), 1);
    EXPECT_EQ(errors(), "Hole 1 of side one lies outside the material.\n");
    EXPECT_FALSE(home.exists("target.tap"));
}

TEST_F(GenerateCommandTest, Usage)
{
    EXPECT_EQ(generate("--version"), 0);
    // Each line ends as the platform's text-mode output ends it, once.
    EXPECT_EQ(home.read("stdout.txt"), std::string("korvanta-cli 3.0.13") + kPrintedLineEnd);
    EXPECT_EQ(generate("--help"), 0);
    EXPECT_NE(home.read("stdout.txt").find("Usage: korvanta-cli generate"), std::string::npos);
    for (const char* wrong : {"", "generate", "generate source.tap", "generate source.tap --out", "make x --out y",
                              "generate a.tap b.tap --out t.tap", "generate source.tap --out t.tap --bogus"}) {
        EXPECT_EQ(generate(wrong), 2) << wrong;
        EXPECT_NE(errors().find("Usage:"), std::string::npos) << wrong;
    }
}

TEST_F(GenerateCommandTest, OnAFullDiskTheTargetIsNamedWithTheReasonAndKept)
{
    SmallFileSystem disk;
    SKIP_WITHOUT_SMALL_FILE_SYSTEM(disk);
    std::ofstream(disk.file("t.tap")) << "old program";
    disk.fill();
    EXPECT_EQ(runProgram(KORVANTA_CLI, {"generate", "source.tap", "--out", disk.file("t.tap")}, home.path(),
                         home.file("stdout.txt"), home.file("stderr.txt")),
              1);
    EXPECT_EQ(errors(), "Please check the path under the configuration tab\n" + disk.file("t.tap") +
                            " : No space left on device\n");
    std::string kept;
    readWholeFile(disk.file("t.tap"), kept);
    EXPECT_EQ(kept, "old program");
}

// A folder and a program named with spaces and letters outside ASCII, as a shop names them after
// a customer: each argument reaches the program whole (on Windows through the wide command line).
TEST_F(GenerateCommandTest, NamesWithSpacesAndLettersOutsideAscii)
{
    ASSERT_EQ(generate("generate source.tap --out target.tap"), 0) << errors();
    const std::string folder = home.file("Auftr\u00e4ge Jos\u00e9");
    std::filesystem::create_directory(pathFromUtf8(folder));
    const std::string source = joinPath(folder, "Zaun M\u00fcller \u0141\u00f3d\u017a.tap");
    const std::string target = joinPath(folder, "Zaun M\u00fcller neu.tap");
    ASSERT_TRUE(writeFileAtomically(source, home.read("source.tap")));
    EXPECT_EQ(runProgram(KORVANTA_CLI, {"generate", source, "--out", target, "--home", home.path()}, folder,
                         home.file("stdout.txt"), home.file("stderr.txt")),
              0)
        << errors();
    std::string written;
    ASSERT_TRUE(readWholeFile(target, written));
    EXPECT_TRUE(written == home.read("target.tap"));
}
