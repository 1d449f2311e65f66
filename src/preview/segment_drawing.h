#pragma once

#include "preview/surface.h"

// Line segments and arcs in pane pixels, clipped to the pane so that far-off coordinates never
// reach the drawing primitives.

// Moves the ends of a segment that lie outside the W x H pane onto the edges it crosses.
void ClipSegment(float& x1, float& y1, float& x2, float& y2, PaneSize pane);

// Draws a segment with the selected pen; nothing for a point or a segment beyond one edge.
void DrawSegment(PreviewCanvas& canvas, float x1, float y1, float x2, float y2, PaneSize pane);

// Largest distance, in world units, between an arc and the chords that draw it.
inline constexpr double kArcChordError = 0.0005;
// A full turn as the arcs use it: eight steps of 0.7853975, a hair under 2 pi.
inline constexpr float kFullTurn = 8 * 0.7853975f;

struct ArcStep {
    double radius = 0;
    double step = 0; // radians per chord
};
// The radius and the angle of one chord of an arc around (cx, cy) starting at (x1, y1).
ArcStep arcStepFor(float cx, float cy, float x1, float y1);

// Draws a clockwise (kind 3) or counter-clockwise (kind 4) arc given in world units relative to
// the view's corner as chords, scaled to pixels. A start equal to the end gives a full circle.
void DrawArc(PreviewCanvas& canvas, int kind, float cx, float cy, float x1, float y1, float x2, float y2,
             float scale, PaneSize pane);
