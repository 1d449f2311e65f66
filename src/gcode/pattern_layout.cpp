#include "gcode/pattern_layout.h"

#include <algorithm>
#include <cmath>

namespace {

float single(double value) { return static_cast<float>(value); }
using D = double;

// Y of the first post's first hole; later holes follow one hole and one gap lower each.
float firstHoleY(const PatternInput& in)
{
    const D y0 = in.startY, m = in.materialLength, d = in.distanceFromTop, l = in.holeLength, s = in.spacing;
    const D below = D(in.holeCount - 1) * (l + s);
    switch (in.variant) {
    case 1: return single(y0 - d - l);
    case 2: return single(y0 - m + d + below);
    case 3: return single(y0 + m - d - l);
    default: return single(y0 + d + below);
    }
}

float straightX(const PatternInput& in)
{
    D x = D(in.firstPostX) - D(in.holeWidth) / 2;
    if (in.useOffsetting == 1)
        x += in.variant == 2 ? -D(in.offset) : D(in.offset);
    return single(x);
}

// The alternate offset walks each post's holes across the fixture line by the step P; the flag
// says whether the next move subtracts (true) or adds P.
struct AlternateStart {
    float x;
    bool subtractNext;
};

AlternateStart firstPostAlternate(const PatternInput& in)
{
    const bool nonNegative = in.offset >= 0;
    const bool oddOnLowTop = (in.variant == 2 || in.variant == 4) && in.holeCount % 2 != 0;
    if (oddOnLowTop)
        return {single(D(in.firstPostX) - (D(in.offset) + D(in.holeWidth))), !nonNegative};
    return {single(D(in.firstPostX) + D(in.offset)), nonNegative};
}

bool secondPostSubtractsNext(const PatternInput& in)
{
    const bool nonNegative = in.offset >= 0;
    switch (in.variant) {
    case 2: return !nonNegative;
    case 4: return nonNegative;
    default: return in.holeCount % 2 == 0 ? !nonNegative : nonNegative;
    }
}

void walkAlternate(std::vector<HoleCorner>& holes, float step, bool subtractNext, bool reversed)
{
    for (size_t k = 1; k < holes.size(); ++k) {
        const bool subtract = subtractNext != reversed;
        holes[k].x = single(D(holes[k - 1].x) + (subtract ? -D(step) : D(step)));
        subtractNext = !subtractNext;
    }
}

std::vector<HoleCorner> walkY(float startY, int count, double step)
{
    std::vector<HoleCorner> holes(static_cast<size_t>(std::max(count, 0)));
    float y = startY;
    for (size_t k = 0; k < holes.size(); ++k) {
        if (k > 0)
            y = single(D(y) + step);
        holes[k].y = y;
    }
    return holes;
}

} // namespace

int programVariant(int start, int direction)
{
    if (start == 1)
        return direction == 1 ? 1 : 2;
    return direction == 1 ? 3 : 4;
}

PatternPosts layoutPattern(const PatternInput& in, bool pair)
{
    const D pitch = D(in.holeLength) + D(in.spacing);
    const D shift = D(in.secondPostX) - D(in.firstPostX);
    PatternPosts posts;
    posts.first = walkY(firstHoleY(in), in.holeCount, -pitch);
    if (pair && !posts.first.empty())
        posts.second = walkY(posts.first.back().y, in.holeCount, pitch);
    if (posts.first.empty())
        return posts;

    if (in.alternateOffset != 1) {
        const float x = straightX(in);
        const float x2 = single(D(x) + shift);
        for (HoleCorner& h : posts.first)
            h.x = x;
        for (HoleCorner& h : posts.second)
            h.x = x2;
        return posts;
    }

    const float step = single(2 * std::fabs(D(in.offset) + D(in.side1HoleWidth) / 2));
    const AlternateStart start = firstPostAlternate(in);
    posts.first[0].x = start.x;
    walkAlternate(posts.first, step, start.subtractNext, false);
    if (pair) {
        posts.second[0].x = single(D(posts.first.back().x) + shift);
        walkAlternate(posts.second, step, secondPostSubtractsNext(in), in.variant == 4);
    }
    return posts;
}

PatternHole cornerOnFace(const FaceFrame& face, HoleCorner corner, float holeWidth, float holeLength)
{
    const bool topAtLowY = face.variant == 2 || face.variant == 4;
    const D lowEndY = face.variant <= 2 ? D(face.startY) - D(face.materialLength) : D(face.startY);
    const D across = D(corner.x) + D(holeWidth) / 2 - D(face.fixtureX);
    const D fromLowEnd = D(corner.y) - lowEndY;
    const D topEdge = topAtLowY ? D(face.materialLength) - fromLowEnd : fromLowEnd + D(holeLength);
    return {single(D(face.faceWidth) / 2 + (topAtLowY ? -across : across)), single(topEdge)};
}

std::vector<PatternHole> patternOnFace(const PatternInput& in, float faceWidth)
{
    const FaceFrame face{in.variant, in.startY, in.materialLength, in.firstPostX, faceWidth};
    std::vector<PatternHole> holes;
    for (const HoleCorner& corner : layoutPattern(in, false).first)
        holes.push_back(cornerOnFace(face, corner, in.holeWidth, in.holeLength));
    // The first post is cut from its highest hole down, which is its bottom end's in variants 2 and 4.
    if (in.variant == 2 || in.variant == 4)
        std::reverse(holes.begin(), holes.end());
    return holes;
}
