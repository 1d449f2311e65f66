// A library file from another machine. The first byte picks the library; the rest is the file.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "platform/memory_form.h"
#include "settings/library_files.h"

namespace {

size_t loadedCount(LibraryKind kind)
{
    switch (kind) {
    case LibraryKind::Materials: return materialList.size();
    case LibraryKind::Holes: return holeList.size();
    case LibraryKind::Bits: return bitList.size();
    }
    return 0;
}

size_t recordSize(LibraryKind kind)
{
    switch (kind) {
    case LibraryKind::Materials: return MaterialRecord::kSize;
    case LibraryKind::Holes: return HoleRecord::kSize;
    case LibraryKind::Bits: return BitRecord::kSize;
    }
    return 1;
}

} // namespace

int fuzzLibraryFile(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    freshProcess();
    const auto kind = static_cast<LibraryKind>(data[0] % 3);
    const std::string_view bytes = asText(data + 1, size - 1);
    writeScratchFile(libraryFilePath(kind).substr(scratchHome().size() + 1), bytes);
    MemoryForm form;
    constexpr ControlId kList = 1;
    fuzzCheck(LoadSaveFile(kind, {{form, kList}}), "a library file that exists loads");
    fuzzCheck(loadedCount(kind) == fromLibraryFileBytes(bytes).size() / recordSize(kind),
              "every whole record of a library file is loaded");
    fuzzCheck(static_cast<size_t>(form.itemCount(kList)) == loadedCount(kind), "every record loaded is listed");
    return 0;
}
