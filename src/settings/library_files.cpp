#include "settings/library_files.h"

#include "platform/messages.h"
#include "settings/files.h"
#include "settings/settings.h"

std::vector<MaterialRecord> materialList;
std::vector<HoleRecord> holeList;
std::vector<BitRecord> bitList;
MaterialRecord currentMaterial;
HoleRecord currentHole;

namespace {

const char* fileName(LibraryKind kind)
{
    switch (kind) {
    case LibraryKind::Materials: return "materials.sav";
    case LibraryKind::Holes: return "holes.sav";
    case LibraryKind::Bits: return "bits.sav";
    }
    return "";
}

template <class Record>
bool load(LibraryKind kind, std::vector<Record>& list, const std::vector<ListTarget>& targets)
{
    std::string bytes;
    if (!readWholeFile(libraryFilePath(kind), bytes))
        return false;
    const std::string images = fromLibraryFileBytes(bytes);
    list.clear();
    for (size_t offset = 0; offset + Record::kSize <= images.size(); offset += Record::kSize) {
        Record record;
        decodeRecord(std::string_view(images).substr(offset, Record::kSize), record);
        list.push_back(std::move(record));
    }
    if (targets.empty())
        return true;
    std::vector<ListItem> items;
    items.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i)
        items.push_back({list[i].name, static_cast<int>(i)});
    for (const ListTarget& target : targets)
        target.form.addSortedItems(target.id, items);
    return true;
}

template <class Record>
WriteResult add(LibraryKind kind, const std::vector<Record>& list, const Record& current, Messages& messages)
{
    const std::string name = current.name.substr(0, kNameLimit);
    std::string images;
    bool found = false;
    for (const Record& entry : list) {
        if (entry.name == name) {
            found = true;
            const bool overwrite = messages.askOkCancel("Configuration already exists.\nOverwrite?");
            images += encodeRecord(overwrite ? current : entry);
        } else if (!entry.name.empty()) {
            images += encodeRecord(entry);
        }
    }
    if (!found)
        images += encodeRecord(current);
    return writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
}

template <class Record>
RemoveResult remove(LibraryKind kind, std::vector<Record>& list, const std::string& name, Messages& messages,
                    WriteResult* failure)
{
    if (name.empty())
        return RemoveResult::NoName;
    size_t found = 0;
    while (found < list.size() && list[found].name != name.substr(0, kNameLimit))
        ++found;
    if (found == list.size())
        return RemoveResult::NotFound;
    if (!messages.askOkCancel("Permanently remove this item from the list."))
        return RemoveResult::Cancelled;
    std::string images;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i != found && !list[i].name.empty())
            images += encodeRecord(list[i]);
    }
    const WriteResult written = writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
    if (!written) {
        if (failure)
            *failure = written;
        return RemoveResult::CannotOpen;
    }
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(found));
    return RemoveResult::Removed;
}

BitRecord currentBit()
{
    return BitRecord{gs.bitname, gs.bit};
}

} // namespace

std::string libraryFilePath(LibraryKind kind)
{
    return joinPath(homeDir, fileName(kind));
}

bool LoadSaveFile(LibraryKind kind, const std::vector<ListTarget>& targets)
{
    switch (kind) {
    case LibraryKind::Materials: return load(kind, materialList, targets);
    case LibraryKind::Holes: return load(kind, holeList, targets);
    case LibraryKind::Bits: return load(kind, bitList, targets);
    }
    return false;
}

WriteResult AddToSaveFile(LibraryKind kind, Messages& messages)
{
    switch (kind) {
    case LibraryKind::Materials: return add(kind, materialList, currentMaterial, messages);
    case LibraryKind::Holes: return add(kind, holeList, currentHole, messages);
    case LibraryKind::Bits: return add(kind, bitList, currentBit(), messages);
    }
    return WriteResult::failed(libraryFilePath(kind), "");
}

RemoveResult RemoveFromSaveFile(LibraryKind kind, Messages& messages, WriteResult* failure)
{
    switch (kind) {
    case LibraryKind::Materials: return remove(kind, materialList, currentMaterial.name, messages, failure);
    case LibraryKind::Holes: return remove(kind, holeList, currentHole.name, messages, failure);
    case LibraryKind::Bits: return remove(kind, bitList, gs.bitname, messages, failure);
    }
    return RemoveResult::CannotOpen;
}

std::string toLibraryFileBytes(std::string_view images)
{
    return withCrLf(images);
}

std::string fromLibraryFileBytes(std::string_view bytes)
{
    // Byte 26 ends the file only where nothing else follows it: inside the records it is data (a
    // cut rate of 26, or a float with that byte), and a record must never be lost to its own bytes.
    const size_t end = bytes.find_last_not_of('\x1a');
    bytes = bytes.substr(0, end == std::string_view::npos ? 0 : end + 1);
    std::string images;
    images.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        images += c;
    }
    return images;
}

void resetLibraries()
{
    materialList.clear();
    holeList.clear();
    bitList.clear();
    currentMaterial = MaterialRecord{};
    currentHole = HoleRecord{};
}
