#include "preview/draw_record.h"

#include <bit>

namespace {

void put(DrawRecordImage& image, size_t offset, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t get(const DrawRecordImage& image, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(image[offset + i]) << (8 * i);
    return value;
}

void putFloat(DrawRecordImage& image, size_t offset, float value)
{
    put(image, offset, std::bit_cast<uint32_t>(value));
}

float getFloat(const DrawRecordImage& image, size_t offset)
{
    return std::bit_cast<float>(get(image, offset));
}

} // namespace

DrawRecordImage encodeDrawRecord(const DrawRecord& r)
{
    DrawRecordImage image{};
    put(image, 0, static_cast<uint32_t>(r.kind));
    const float values[] = {r.x1, r.y1, r.z1, r.x2, r.y2, r.z2, r.cx, r.cy};
    for (size_t i = 0; i < 8; ++i)
        putFloat(image, 4 + 4 * i, values[i]);
    put(image, 36, static_cast<uint32_t>(r.pen));
    return image;
}

DrawRecord decodeDrawRecord(const DrawRecordImage& image)
{
    DrawRecord r;
    r.kind = static_cast<int32_t>(get(image, 0));
    float* const values[] = {&r.x1, &r.y1, &r.z1, &r.x2, &r.y2, &r.z2, &r.cx, &r.cy};
    for (size_t i = 0; i < 8; ++i)
        *values[i] = getFloat(image, 4 + 4 * i);
    r.pen = static_cast<int32_t>(get(image, 36));
    return r;
}
