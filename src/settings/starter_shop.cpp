#include "settings/starter_shop.h"

#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"

#include <vector>

namespace {

// Materials whose rates are 0 cut at the machine's default rates.
const std::vector<MaterialRecord> kMaterials = {
    {"4x4 Vinyl Post 72in", 72, 4, 0.13f, 4, 0, 0},
    {"5x5 Vinyl Post 84in", 84, 5, 0.15f, 5, 0, 0},
    {"5x5 Vinyl Post 96in", 96, 5, 0.15f, 5, 0, 0},
    {"4x4 Wood Post 96in", 96, 3.5f, 3.5f, 3.5f, 80, 20},
};

// Rail mortises: length along the post, width across the face, corner radius.
const std::vector<HoleRecord> kHoles = {
    {"2x6 Rail", 5.56f, 1.8f, 0.25f, 0},
    {"2x3.5 Rail", 3.56f, 1.6f, 0.25f, 0},
    {"1.5x5.5 Rail", 5.55f, 1.55f, 0.25f, 0},
    {"Picket 1.5x1.5", 1.53f, 1.53f, 0.125f, 0},
};

const std::vector<BitRecord> kBits = {{"1/4", 0.25f}, {"3/16", 0.1875f}, {"3/8", 0.375f}};

// A folder of the shop by its full path, which the job list can name to the controller. The
// settings file cuts a folder at its first space, so a shop folder with one keeps it relative:
// the program always runs in its shop folder.
std::string inShop(const std::string& name)
{
    return homeDir.find(' ') == std::string::npos ? joinPath(homeDir, name) : name;
}

template <class Record>
WriteResult writeLibrary(LibraryKind kind, const std::vector<Record>& records)
{
    std::string images;
    for (const Record& record : records)
        images += encodeRecord(record);
    return writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
}

// Only a library the shop does not have yet; one that cannot be written is simply left empty.
template <class Record>
void addLibrary(LibraryKind kind, const std::vector<Record>& records)
{
    if (!pathExists(libraryFilePath(kind)))
        writeLibrary(kind, records);
}

} // namespace

StarterFolders starterFolders()
{
#ifdef _WIN32
    if (folderProblem("C:\\Qelmar").empty())
        return {"C:\\Qelmar", "C:\\Qelmar\\AutoRun"};
#endif
    return {inShop("tap"), inShop("jobs")};
}

void useStarterSettings(const std::string& programFolder, const std::string& jobFolder)
{
    Settings s;
    s.heads = 1;
    s.headchars = "Z";
    // Head 1 is the one a new shop runs; the others get commands of their own to edit.
    for (int head = 1; head <= kMaxHeads; ++head) {
        const std::string number = head == 1 ? std::string() : std::string(".").append(std::to_string(head));
        s.headOn(head) = std::string("M3").append(number);
        s.headOff(head) = std::string("M5").append(number);
    }
    s.bit = 0.25f;
    s.bitname = "1/4";
    s.cutfeed = 120;
    s.plungefeed = 30;
    s.clearance = 0.5f;
    s.depth = s.maxdepth = 0.25f;
    s.leadin = s.exit = 0.1f;
    // One post at a time, its top at Y110 of a 48 x 120 table, homing at the top and cutting down.
    s.cutatonce = 1;
    s.spos.fill(kUnsetLength);
    s.spos[0] = 2;
    s.startpos.y = 110;
    s.endpos = {0, 110};
    s.table = {0, 0, 48, 120, 2};
    s.autozoom = 1;
    s.start = 1;
    s.direction = 1;
    s.alignment = 1;
    s.path = programFolder;
    s.autopath = jobFolder;
    s.controlpath = programFolder;
    s.lastpage = 3;
    s.spare = gs.spare;
    gs = s;
}

bool makeStarterShop(Messages& messages)
{
    const StarterFolders folders = starterFolders();
    // A folder that cannot be made is named by the first Run, with the reason.
    makeFolder(folders.programs);
    makeFolder(folders.jobs);
    useStarterSettings(folders.programs, folders.jobs);
    addLibrary(LibraryKind::Materials, kMaterials);
    addLibrary(LibraryKind::Holes, kHoles);
    addLibrary(LibraryKind::Bits, kBits);
    return !pathExists(iniFilePath()) && WriteIniFile(messages);
}
