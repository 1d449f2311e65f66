#include "list_filling.h"

#include "platform/memory_form.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>

namespace {

void fillLists(benchmark::State& state)
{
    for (auto _ : state) {
        MemoryForm form;
        if (!LoadSaveFile(LibraryKind::Holes, {{form, 1}, {form, 2}}) || form.itemCount(2) == 0)
            state.SkipWithError("cannot read the library");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(holeList.size()));
}

} // namespace

void registerListFilling(const std::string& folder)
{
    homeDir = folder;
    constexpr size_t kRecords = 10'000'000 / HoleRecord::kSize;
    std::string images;
    for (size_t i = 0; i < kRecords; ++i)
        images += encodeRecord(HoleRecord{"RAIL " + std::to_string(i * 7919 % kRecords), 4, 1.5f, 0.5f, 0});
    writeFileAtomically(libraryFilePath(LibraryKind::Holes), toLibraryFileBytes(images));
    benchmark::RegisterBenchmark("lists/10MB-library", fillLists)->Unit(benchmark::kMillisecond);
}
