#pragma once

// The world rectangle the preview falls back to and fits around: set from the machine table at
// start-up; the material outline moves its maximum corner when autozoom is on.
struct HomeWindow {
    float minX = 0;
    float minY = 0;
    float maxX = 0;
    float maxY = 0;
    float margin = 0;
};

// Width-to-height ratio of the pane a page fits its material into.
inline constexpr float kPostsAspectRatio = 0.59f;
inline constexpr float kManualAspectRatio = 0.58411217f; // 250 / 428

struct HomeMaximum {
    float x = 0;
    float y = 0;
};

struct MaterialView {
    float length = 0;
    float width = 0;
    int sides = 1;       // 2 when both faces are cut
    float aspectRatio = kPostsAspectRatio;
};

// Maximum corner of the home window for a material: the table size when the material has no
// length or autozoom is off, otherwise a window of the pane's shape around one or two faces.
HomeMaximum homeMaximumFor(const MaterialView& material, bool autozoom, float tableW, float tableH);
