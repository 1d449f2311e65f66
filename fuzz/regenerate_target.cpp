// A tap file regenerated as korvanta-cli generate does it: Load on a page without a window,
// then Save on the page that wrote it, in a shop with the machine and the libraries of the
// golden programs. A program the program wrote regenerates to itself.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "cli/generate_command.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/settings.h"

#include <ostream>

namespace {

const char* const kShopSettings =
    "heads=2\nheadchars=ZW\nbit=0.5\nbitname=1/2\ntoolnumber=T1\ncutfeed=120\nplungefeed=30\n"
    "clearance=0.5\ndepth=0.75\nmaxdepth=0\nleadin=0.25\nexit=0.125\nstartpos=X10 Y40\nendpos=X0 Y0\n"
    "spos2=22\nstart=1\ndirection=1\nalignment=2\ncutstyle=0\ncutatonce=1\n"
    "head1on=m3\nhead2on=m3\nhead1off=m5\nhead2off=m5\n";

void writeLibrary(LibraryKind kind, const std::string& images)
{
    writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
}

// The shop is made once: the settings and libraries are read again for every input.
void makeShop()
{
    freshProcess();
    writeScratchFile("korvanta.ini", withCrLf(std::string(kShopSettings) + "path=" + scratchHome() +
                                              "\nautopath=" + scratchHome() + "\n"));
    writeLibrary(LibraryKind::Materials, encodeRecord(MaterialRecord{"VINYL 5X5", 48, 5, 0, 3.5f, 0, 0}) +
                                             encodeRecord(MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0}));
    std::string holes;
    for (const HoleRecord& hole : {HoleRecord{"RAIL 4X1.5", 4, 1.5f, 0.5f, 0}, HoleRecord{"RAIL 3X1", 3, 1, 0.375f, 0},
                                   HoleRecord{"RAIL 4", 4, 1.5f, 0.5f, 0}, HoleRecord{"RAIL 3", 3, 1.5f, 0.5f, 0},
                                   HoleRecord{"SLOT 4", 4, 1.5f, 0.5f, 0}, HoleRecord{"SLOT 3", 3, 1, 0.375f, 0}})
        holes += encodeRecord(hole);
    writeLibrary(LibraryKind::Holes, holes);
    writeLibrary(LibraryKind::Bits, encodeRecord(BitRecord{"1/2", 0.5f}));
}

int regenerate(const std::string& source, const std::string& target)
{
    freshProcess();
    std::ostream discard(nullptr);
    return runGenerate({source, target, scratchHome()}, discard);
}

} // namespace

int fuzzRegenerate(const uint8_t* data, size_t size)
{
    static const bool shopMade = (makeShop(), true);
    (void)shopMade;
    const std::string source = writeScratchFile("source.tap", asText(data, size));
    const std::string target = joinPath(scratchHome(), "target.tap");
    if (regenerate(source, target) != 0)
        return 0;
    // A header's m item sets the maximum depth, which no header records: the program then depends
    // on the shop's own maximum depth, so only the inputs that leave it alone can regenerate.
    if (gs.maxdepth != 0)
        return 0;
    const std::string written = readScratchFile("target.tap");
    fuzzCheck(regenerate(target, joinPath(scratchHome(), "again.tap")) == 0, "a regenerated program loads again");
    fuzzCheck(readScratchFile("again.tap") == written, "a regenerated program regenerates to itself");
    return 0;
}
