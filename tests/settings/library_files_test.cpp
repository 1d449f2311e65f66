#include "settings/library_files.h"

#include "platform/memory_form.h"
#include "platform/recording_messages.h"
#include "platform/text_compare.h"
#include "settings/files.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>

namespace {

HoleRecord hole(const std::string& name, float length = 4, float width = 1.5f, float radius = 0.5f)
{
    return HoleRecord{name, length, width, radius, 0};
}

class LibraryTest : public HomeDirTest {
protected:
    void store(const HoleRecord& record)
    {
        currentHole = record;
        ASSERT_TRUE(AddToSaveFile(LibraryKind::Holes, messages));
        ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes));
    }
    std::vector<std::string> holeNames() const
    {
        std::vector<std::string> names;
        for (const HoleRecord& r : holeList)
            names.push_back(r.name);
        return names;
    }
    RecordingMessages messages;
};

} // namespace

TEST(LibraryRecords, ImagesAreLittleEndianWithZeroPaddedNames)
{
    const std::string image = encodeRecord(MaterialRecord{"5X5", 72, 5, 0, 5, 120, 0x01020304});
    ASSERT_EQ(image.size(), 124u);
    EXPECT_EQ(image.substr(0, 4), std::string("5X5\0", 4));
    EXPECT_EQ(image.substr(3, 97), std::string(97, '\0'));
    EXPECT_EQ(image.substr(100, 4), std::string("\x00\x00\x90\x42", 4)); // 72.0f
    EXPECT_EQ(image.substr(116, 4), std::string("\x78\x00\x00\x00", 4));
    EXPECT_EQ(image.substr(120, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(encodeRecord(hole("H")).size(), 116u);
    EXPECT_EQ(encodeRecord(BitRecord{"1/4", 0.25f}).size(), 104u);
    EXPECT_EQ(encodeRecord(BitRecord{std::string(150, 'n'), 0}).substr(99, 1), std::string(1, '\0'));
}

TEST_F(LibraryTest, FloatHoldingALineFeedSurvivesStoreAndLoad)
{
    const float withLineFeed = std::bit_cast<float>(0x410A0000u); // bytes 00 00 0A 41
    store(hole("LF", withLineFeed, 1.5f, 0.5f));
    EXPECT_NE(home.read("holes.sav").find(std::string("\x00\x00\x0D\x0A\x41", 5)), std::string::npos);
    ASSERT_EQ(holeList.size(), 1u);
    EXPECT_EQ(holeList[0].length, withLineFeed);
    EXPECT_EQ(holeList[0].width, 1.5f);
}

TEST_F(LibraryTest, CarriageReturnBeforeAStoredLineFeedRoundTrips)
{
    const float crlf = std::bit_cast<float>(0x0A0D0D0Au);
    store(hole("CRLF", crlf));
    EXPECT_EQ(holeList.at(0).length, crlf);
}

TEST_F(LibraryTest, Byte26InsideARecordIsData)
{
    for (const MaterialRecord& material : {MaterialRecord{"FIRST", 72, 5, 0, 5, 100, 30},
                                           MaterialRecord{"SECOND", 72, 5, 0, 5, 26, 30},
                                           MaterialRecord{"THIRD", 96, 4, 0, 4, 120, 40}}) {
        currentMaterial = material;
        ASSERT_TRUE(AddToSaveFile(LibraryKind::Materials, messages));
        ASSERT_TRUE(LoadSaveFile(LibraryKind::Materials));
    }
    ASSERT_EQ(materialList.size(), 3u) << "the cut rate 26 and every record after it stay";
    EXPECT_EQ(materialList[1].cutrate, 26);
    EXPECT_EQ(materialList[2].name, "THIRD");

    // An end-of-file byte after the records, as older editors left it, still ends the file.
    std::string bytes;
    readWholeFile(libraryFilePath(LibraryKind::Materials), bytes);
    home.write("materials.sav", bytes + "\x1a\x1a");
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Materials));
    EXPECT_EQ(materialList.size(), 3u);
}

TEST_F(LibraryTest, LoadsEveryWholeRecordAndDropsACutOne)
{
    std::string images;
    for (int i = 0; i < 1203; ++i)
        images += encodeRecord(BitRecord{"BIT" + std::to_string(i), 0.25f});
    home.write("bits.sav", toLibraryFileBytes(images) + std::string(50, 'x'));
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Bits));
    EXPECT_EQ(bitList.size(), 1203u);

    gs.bitname = "NEW";
    gs.bit = 0.5f;
    ASSERT_TRUE(AddToSaveFile(LibraryKind::Bits, messages));
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Bits));
    EXPECT_EQ(bitList.size(), 1204u) << "a save keeps every record";
    EXPECT_EQ(bitList.back().name, "NEW");
    EXPECT_EQ(bitList.back().diameter, 0.5f);
}

TEST_F(LibraryTest, MissingFileLeavesTheListAlone)
{
    holeList = {hole("KEPT")};
    EXPECT_FALSE(LoadSaveFile(LibraryKind::Holes));
    EXPECT_EQ(holeNames(), std::vector<std::string>{"KEPT"});
}

TEST_F(LibraryTest, FillsListsSortedWithoutRegardToCaseKeepingRecordIndexes)
{
    store(hole("rail b"));
    store(hole("Rail A"));
    store(hole("RAIL C"));
    store(hole("rail a"));
    MemoryForm form;
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes, {{form, 7}, {form, 8}}));
    EXPECT_EQ(form.itemTexts(7), (std::vector<std::string>{"Rail A", "rail a", "rail b", "RAIL C"}));
    EXPECT_EQ(form.itemRecord(7, 0), 1);
    EXPECT_EQ(form.itemRecord(7, 2), 0);
    EXPECT_EQ(form.itemCount(8), 4);
    EXPECT_TRUE(messages.entries().empty()) << "names differing in case are different records";
}

// A 10 MB library, its names in no order, is listed sorted with every record's index; filling
// item by item took quadratic time (42 s for this size), so CTest's time-out guards it.
TEST_F(LibraryTest, LargeLibraryIsListedSortedAtOnce)
{
    constexpr int kRecords = 10'000'000 / static_cast<int>(HoleRecord::kSize);
    std::string images;
    for (int i = 0; i < kRecords; ++i)
        images += encodeRecord(hole((i % 2 ? "rail " : "RAIL ") + std::to_string(i * 7919 % kRecords)));
    ASSERT_TRUE(writeFileAtomically(libraryFilePath(LibraryKind::Holes), toLibraryFileBytes(images)));
    MemoryForm form;
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes, {{form, 1}, {form, 2}}));
    ASSERT_EQ(form.itemCount(2), kRecords);
    for (int row = 1; row < kRecords; ++row)
        ASSERT_LE(compareNoCase(form.itemText(1, row - 1), form.itemText(1, row)), 0) << row;
    const int record = form.itemRecord(1, kRecords / 2);
    EXPECT_EQ(holeList[static_cast<size_t>(record)].name, form.itemText(1, kRecords / 2));
}

TEST_F(LibraryTest, AddingAnExistingNameAsksFirst)
{
    home.write("holes.sav", toLibraryFileBytes(encodeRecord(hole("A", 1)) + encodeRecord(hole("", 2)) +
                                               encodeRecord(hole("B", 3))));
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes));
    ASSERT_EQ(holeList.size(), 3u) << "a record without a name is loaded like any other";

    messages.answerNext(false);
    store(hole("A", 9));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Configuration already exists.\nOverwrite?"});
    EXPECT_EQ(holeNames(), (std::vector<std::string>{"A", "B"})) << "empty names are dropped on rewrite";
    EXPECT_EQ(holeList[0].length, 1);

    messages.answerNext(true);
    store(hole("A", 9));
    EXPECT_EQ(holeNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(holeList[0].length, 9);
}

TEST_F(LibraryTest, NameTwiceInAFileBringsTwoQuestions)
{
    home.write("holes.sav", toLibraryFileBytes(encodeRecord(hole("A", 1)) + encodeRecord(hole("A", 2))));
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes));
    messages.answerNext(true);
    messages.answerNext(false);
    store(hole("A", 5));
    EXPECT_EQ(messages.entries().size(), 2u);
    ASSERT_EQ(holeList.size(), 2u);
    EXPECT_EQ(holeList[0].length, 5);
    EXPECT_EQ(holeList[1].length, 2);
}

TEST_F(LibraryTest, RemoveResults)
{
    currentHole = hole("");
    EXPECT_EQ(RemoveFromSaveFile(LibraryKind::Holes, messages), RemoveResult::NoName);
    currentHole = hole("NONE");
    EXPECT_EQ(RemoveFromSaveFile(LibraryKind::Holes, messages), RemoveResult::NotFound);
    EXPECT_TRUE(messages.entries().empty());

    store(hole("ONLY"));
    const std::string before = home.read("holes.sav");
    messages.answerNext(false);
    EXPECT_EQ(RemoveFromSaveFile(LibraryKind::Holes, messages), RemoveResult::Cancelled);
    EXPECT_EQ(messages.texts().back(), "Permanently remove this item from the list.");
    EXPECT_EQ(home.read("holes.sav"), before);

    EXPECT_EQ(RemoveFromSaveFile(LibraryKind::Holes, messages), RemoveResult::Removed);
    EXPECT_EQ(home.read("holes.sav"), "");
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes));
    EXPECT_TRUE(holeList.empty());
}

TEST_F(LibraryTest, FailedWritesLeaveTheOldFile)
{
    store(hole("A"));
    const std::string before = home.read("holes.sav");
    std::filesystem::create_directories(home.file("holes.sav.korvanta-tmp/blocked"));
    currentHole = hole("B");
    EXPECT_FALSE(AddToSaveFile(LibraryKind::Holes, messages));
    currentHole = hole("A");
    EXPECT_EQ(RemoveFromSaveFile(LibraryKind::Holes, messages), RemoveResult::CannotOpen);
    EXPECT_EQ(home.read("holes.sav"), before);
}
