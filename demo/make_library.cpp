// Writes a library file (materials.sav, holes.sav or bits.sav) from a readable text list, with
// the program's own library writer. Used at build time for the demo shop:
//     korvanta-make-library materials|holes|bits <list.txt> <folder>
#include "platform/recording_messages.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "settings/text_helpers.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '|');) {
        TrimSpaces(field);
        fields.push_back(field);
    }
    return fields;
}

bool kindFromName(const std::string& name, LibraryKind& kind)
{
    if (name == "materials")
        kind = LibraryKind::Materials;
    else if (name == "holes")
        kind = LibraryKind::Holes;
    else if (name == "bits")
        kind = LibraryKind::Bits;
    else
        return false;
    return true;
}

size_t fieldCount(LibraryKind kind)
{
    switch (kind) {
    case LibraryKind::Materials: return 7;
    case LibraryKind::Holes: return 5;
    case LibraryKind::Bits: return 2;
    }
    return 0;
}

// Makes the record of one line the current record of its library.
void makeCurrent(LibraryKind kind, const std::vector<std::string>& f)
{
    switch (kind) {
    case LibraryKind::Materials:
        currentMaterial = MaterialRecord{f[0], leadingFloat(f[1]), leadingFloat(f[2]), leadingFloat(f[3]),
                                         leadingFloat(f[4]), leadingInt(f[5]), leadingInt(f[6])};
        break;
    case LibraryKind::Holes:
        currentHole = HoleRecord{f[0], leadingFloat(f[1]), leadingFloat(f[2]), leadingFloat(f[3]), leadingInt(f[4])};
        break;
    case LibraryKind::Bits:
        gs.bitname = f[0];
        gs.bit = leadingFloat(f[1]);
        break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    LibraryKind kind{};
    if (argc != 4 || !kindFromName(argv[1], kind)) {
        std::fprintf(stderr, "usage: korvanta-make-library materials|holes|bits <list.txt> <folder>\n");
        return 2;
    }
    std::string text;
    if (!readWholeFile(argv[2], text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    homeDir = argv[3];
    std::error_code ignored;
    std::filesystem::remove(libraryFilePath(kind), ignored);
    RecordingMessages messages;
    std::istringstream lines(text);
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        TrimSpaces(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = splitFields(line);
        if (fields.size() != fieldCount(kind) || fields[0].empty()) {
            std::fprintf(stderr, "%s:%d: expected %zu fields\n", argv[2], lineNumber, fieldCount(kind));
            return 1;
        }
        makeCurrent(kind, fields);
        if (!AddToSaveFile(kind, messages) || !LoadSaveFile(kind)) {
            std::fprintf(stderr, "cannot write %s\n", libraryFilePath(kind).c_str());
            return 1;
        }
    }
    return 0;
}
