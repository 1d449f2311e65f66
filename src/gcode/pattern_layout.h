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

// The face a hole is cut in, as the preview draws side 1: the post of a variant at its fixture.
struct FaceFrame {
    int variant = 1;
    float startY = 0;
    float materialLength = 0;
    float fixtureX = 0;
    float faceWidth = 0;
};
// A hole cut with its reference corner at corner, in the face's frame: x across the face, y up
// from the bottom end, by the centre of its edge nearest the top end. Variants 2 and 4 lay the
// top end at low Y, the post turned end for end, so X runs the other way across the face.
PatternHole cornerOnFace(const FaceFrame& face, HoleCorner corner, float holeWidth, float holeLength);

// Where layoutPattern cuts the first post's holes on a face faceWidth wide, from the top end down.
std::vector<PatternHole> patternOnFace(const PatternInput& in, float faceWidth);
