#include "random_shop.h"

#include "scratch_home.h"

#include "gcode/output/job_records.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/settings.h"

#include <algorithm>
#include <cmath>
#include <string_view>

int Dice::below(int count)
{
    return count <= 1 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(count));
}

bool Dice::chance(int percent)
{
    return below(100) < percent;
}

float Dice::between(float low, float high)
{
    const double fraction = double(next() % 100001u) / 100000.0;
    return static_cast<float>(std::round((low + (high - low) * fraction) * 1000.0) / 1000.0);
}

uint32_t ByteDice::next()
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | (at_ < size_ ? data_[at_++] : 0u);
    return value;
}

std::string typed(float value)
{
    return formatFixed(value, 3);
}

namespace {

void writeLibrary(LibraryKind kind, const std::string& images)
{
    writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(images));
}

// Lettered heads name axes of their own (never the gantry's X and Y); numbered heads are digits.
std::string axisCharacters(Dice& dice, int heads)
{
    const int count = heads + dice.below(kMaxHeads - heads + 1);
    std::string letters = dice.chance(20) ? "1234" : "ZWUVABC";
    if (letters[0] == 'Z')
        std::rotate(letters.begin(), letters.begin() + dice.below(3), letters.end());
    return letters.substr(0, static_cast<size_t>(count));
}

void machine(Dice& dice)
{
    gs.heads = 1 + dice.below(kMaxHeads);
    gs.headchars = axisCharacters(dice, gs.heads);
    const bool differing = dice.chance(30);
    for (int head = 1; head <= kMaxHeads; ++head) {
        gs.headOn(head) = differing ? "M3." + std::to_string(head) : "M3";
        gs.headOff(head) = "M5";
    }
    gs.toolnumber = dice.chance(50) ? "T1" : "";
    const float bits[] = {0.25f, 0.375f, 0.5f};
    const char* names[] = {"1/4", "3/8", "1/2"};
    const int bit = dice.below(3);
    gs.bit = bits[bit];
    gs.bitname = names[bit];
    writeLibrary(LibraryKind::Bits, encodeRecord(BitRecord{gs.bitname, gs.bit}));
    gs.leadin = dice.chance(5) ? 0 : dice.between(0.05f, 0.6f);
    gs.exit = dice.chance(20) ? 0 : dice.between(0.02f, 0.5f);
    gs.clearance = dice.between(0.25f, 2);
    gs.cutstyle = dice.below(2);
    gs.depth = dice.between(0.25f, 1.5f);
    gs.maxdepth = dice.chance(10) ? dice.between(0.1f, 0.25f) : gs.depth + dice.between(0, 1);
    gs.cutfeed = 60 + dice.below(150);
    gs.plungefeed = 20 + dice.below(50);
    gs.start = dice.below(2);
    gs.direction = dice.below(2);
    gs.alignment = 1 + dice.below(3);
    gs.cutatonce = dice.chance(10) ? kFixturePositions : 1 + dice.below(5);
}

void positions(Dice& dice)
{
    float x = dice.between(-5, 30);
    const float pitch = dice.between(7, 16);
    for (float& fixture : gs.spos) {
        fixture = x;
        x = static_cast<float>(double(x) + pitch);
    }
    gs.startpos.y = dice.between(-10, 130);
    gs.endpos.x = dice.chance(30) ? dice.between(-40, -1) : dice.between(0, 100);
    gs.endpos.y = dice.chance(30) ? dice.between(-40, -1) : dice.between(0, 100);
    gs.table = {};
    if (dice.chance(50)) {
        gs.table.x = dice.between(-10, 5);
        gs.table.y = dice.between(-140, 5);
        gs.table.w = dice.between(60, 220);
        gs.table.h = dice.between(100, 260);
    }
    gs.path = gs.autopath = scratchHome();
    gs.autoexit = dice.below(2);
}

void libraries(Dice& dice)
{
    std::string materials;
    for (const char* name : {"MAT A", "MAT B", "MAT C"}) {
        const bool defaults = dice.chance(40);
        materials += encodeRecord(MaterialRecord{name, dice.between(24, 120), dice.between(2.5f, 6.5f),
                                                 dice.between(1, 3), dice.between(2, 6), defaults ? 0 : 50 + dice.below(150),
                                                 defaults ? 0 : 15 + dice.below(50)});
    }
    writeLibrary(LibraryKind::Materials, materials);
    std::string holes;
    for (const char* name : {"HOLE A", "HOLE B", "HOLE C", "HOLE D"}) {
        const float width = dice.between(0.5f, 2.5f), length = dice.between(1, 6.5f);
        const float most = std::min(width, length) / 2;
        const float radius = dice.chance(10) ? dice.between(0, most * 1.3f) : dice.between(0, most);
        holes += encodeRecord(HoleRecord{name, length, width, radius, dice.chance(8) ? 1 : 0});
    }
    writeLibrary(LibraryKind::Holes, holes);
}

} // namespace

void makeRandomShop(Dice& dice)
{
    freshProcess();
    machine(dice);
    positions(dice);
    libraries(dice);
    gs.autopostoffset = dice.chance(30) ? kUnsetLength : dice.between(-1, 1);
    gs.railoffset = dice.chance(30) ? kUnsetLength : dice.between(-1, 1);
}
