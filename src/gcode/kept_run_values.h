#pragma once

#include "gcode/hole_routine.h"

// Keeps the process-wide values the program writers change (the hole slots, the depth of the next
// hole and its step, the alignment offset) and puts them back at the end of its scope, so that a
// program composed only to be shown leaves everything as it was.
class KeptRunValues {
public:
    KeptRunValues()
        : side1_(holeSlots[0]), side2_(holeSlots[1]), depth_(currentDepth), step_(depthStep), offset_(alignmentOffset)
    {
    }
    ~KeptRunValues()
    {
        holeSlots[0] = side1_;
        holeSlots[1] = side2_;
        currentDepth = depth_;
        depthStep = step_;
        alignmentOffset = offset_;
    }
    KeptRunValues(const KeptRunValues&) = delete;
    KeptRunValues& operator=(const KeptRunValues&) = delete;

private:
    HoleRecord side1_, side2_;
    float depth_, step_, offset_;
};
