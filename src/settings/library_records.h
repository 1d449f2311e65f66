#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The records of the three libraries. On disk each is a fixed-size little-endian image that
// begins with a 100-byte zero-padded name.
inline constexpr size_t kNameFieldSize = 100;

struct MaterialRecord {
    static constexpr size_t kSize = 124;
    std::string name;
    float length = 0;
    float width = 0;
    float thickness = 0;
    float height = 0;
    int cutrate = 0;
    int plungerate = 0;
};

struct HoleRecord {
    static constexpr size_t kSize = 116;
    std::string name;
    float length = 0;
    float width = 0;
    float radius = 0;
    int subprogram = 0;
};

struct BitRecord {
    static constexpr size_t kSize = 104;
    std::string name;
    float diameter = 0;
};

// Record images; the name is cut to 99 characters, the bytes after its end are zero.
std::string encodeRecord(const MaterialRecord& record);
std::string encodeRecord(const HoleRecord& record);
std::string encodeRecord(const BitRecord& record);
// Decodes an image of exactly the record's size.
void decodeRecord(std::string_view image, MaterialRecord& record);
void decodeRecord(std::string_view image, HoleRecord& record);
void decodeRecord(std::string_view image, BitRecord& record);
