#pragma once

#include <cstddef>
#include <vector>

// The holes of one side of a post as the preview draws them: the centre of each hole's top edge,
// the hole hanging down from it.
struct PatternHole {
    float x = 0;
    float y = 0;
};

struct PostPatternSide {
    float postLength = 0;
    float postWidth = 0;
    float holeWidth = 0;
    float holeLength = 0;   // already stretched on a sloped rail
    float distance = 0;     // from the top end to the top edge of the first hole
    float spacing = 0;      // gap between neighbouring holes
    int holes = 0;
    int offsetting = 0;
    float offsetAmount = 0;
    int alternate = 0;
    float xOrigin = 0;      // where the post's outline starts
    int direction = 1;      // +1, or -1 for side 2 drawn over side 1
};

// A pane some 430 pixels tall cannot show more holes than this apart; a typed count of millions
// would only cost minutes and gigabytes of draw records.
inline constexpr size_t kMostHolesDrawn = 4096;

// The holes that reach onto the material, in the order they are cut from the top end, at most
// kMostHolesDrawn of them. Holes wholly past either end are left out, so the cost follows what
// fits on the post and not the count typed.
std::vector<PatternHole> postPatternHoles(const PostPatternSide& side);

// Side index 0 (side 1) is drawn at x 0; side index 1 (side 2) over it when the sides are
// overlaid, else half a width to its right. Overlaid, side 2's offsets point the other way, as its
// face is seen from behind.
float sideXOrigin(int side, bool overlay, float postWidth);
int sideDirection(int side, bool overlay);
