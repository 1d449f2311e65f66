#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One line or arc of the draw list, stored as 40 little-endian bytes without padding.
inline constexpr size_t kDrawRecordSize = 40;

inline constexpr int32_t kDashedLine = 1;
inline constexpr int32_t kLine = 2;
inline constexpr int32_t kClockwiseArc = 3;
inline constexpr int32_t kCounterClockwiseArc = 4;

struct DrawRecord {
    int32_t kind = 0;
    float x1 = 0, y1 = 0, z1 = 0;
    float x2 = 0, y2 = 0, z2 = 0;
    // Arc centre; the fourth value of the start and of the end point.
    float cx = 0, cy = 0;
    int32_t pen = 0;
};

using DrawRecordImage = std::array<unsigned char, kDrawRecordSize>;

DrawRecordImage encodeDrawRecord(const DrawRecord& record);
DrawRecord decodeDrawRecord(const DrawRecordImage& image);
