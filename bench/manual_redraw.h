#pragma once

#include <string>

// One whole redraw of the largest Manual job, both sides shown apart: the page's drawing through
// the hand-over operations into the draw list file in folder, and the replay onto the preview's
// off-screen image at the window's default size. Registered as "manual/redraw".
void registerManualRedraw(const std::string& folder);
inline constexpr const char* kManualRedrawName = "manual/redraw";
