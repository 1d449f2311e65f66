#include "support/page_fixture.h"

#include "preview/handover.h"
#include "preview/preview_state.h"
#include "settings/library_files.h"
#include "settings/files.h"
#include "settings/settings.h"

void PageTest::SetUp()
{
    GcodeTest::SetUp();
    useExampleMachine();
    writeShopLibraries();
}

std::vector<DrawRecord> PageTest::drawn() const
{
    std::vector<DrawRecord> records;
    DrawList& list = drawList();
    list.RewindForReplay();
    DrawRecord record;
    for (int i = 0; i < list.GetCount() && list.ReadRecord(i, record); ++i)
        records.push_back(record);
    return records;
}

void writeShopLibraries()
{
    const auto images = [](const auto&... records) { return (encodeRecord(records) + ...); };
    const auto store = [](LibraryKind kind, const std::string& bytes) {
        writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(bytes));
    };
    store(LibraryKind::Materials, images(MaterialRecord{"VINYL 5X5", 72, 5, 0, 5, 0, 0},
                                         MaterialRecord{"Cedar 4x4", 96, 3.5f, 0, 3.5f, 150, 45}));
    store(LibraryKind::Holes, images(HoleRecord{"RAIL 4X1.5", 4, 1.5f, 0.5f, 0}, HoleRecord{"Rail 3x1", 3, 1, 0.375f, 0},
                                     HoleRecord{"TINY", 4, 0.4f, 0.25f, 0}));
    store(LibraryKind::Bits, images(BitRecord{"1/2", 0.5f}, BitRecord{"1/4", 0.25f}));
}
