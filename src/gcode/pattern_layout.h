#pragma once

#include "gcode/post_pattern.h"

#include <vector>

// Where the holes of a regular pattern stand on the table, for the post and rail programs.
// Variants: 1 homes at the top of the post and cuts from the top down (gs.start 1, gs.direction
// 1); 2 (1, 0); 3 (0, 1); 4 (0, 0).
int programVariant(int start, int direction);

struct PatternInput {
    int variant = 1;
    float startY = 0;          // Y0, the Y of the starting position
    float materialLength = 0;  // M
    float distanceFromTop = 0; // D
    float spacing = 0;         // S (stretched on a sloped rail)
    float holeLength = 0;      // L (stretched on a sloped rail)
    float holeWidth = 0;       // W of the side's hole type
    float side1HoleWidth = 0;  // the alternate step is taken from side 1's hole type
    float offset = 0;          // O
    int holeCount = 0;         // n
    int useOffsetting = 0;     // U
    int alternateOffset = 0;   // A
    float firstPostX = 0;      // X0, the fixture of the first post
    float secondPostX = 0;     // X1, the fixture of the second post
};

// A hole's reference corner: the corner with the smallest X and Y, before alignment.
struct HoleCorner {
    float x = 0;
    float y = 0;
};

// The holes of one post, or of a pair of posts, in cutting order: the first post from its
// highest hole to its lowest, the second back up.
struct PatternPosts {
    std::vector<HoleCorner> first;
    std::vector<HoleCorner> second;
};
PatternPosts layoutPattern(const PatternInput& in, bool pair);

// Where layoutPattern cuts the first post's holes, in the frame in which the preview draws side 1
// of a face faceWidth wide: x across the face, y up from the bottom end, each hole by the centre
// of its edge nearest the top end, from the top end down. Variants 2 and 4 lay the top end at low
// Y, the post turned end for end, so X runs the other way across the face.
std::vector<PatternHole> patternOnFace(const PatternInput& in, float faceWidth);
