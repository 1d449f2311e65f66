#include "settings/library_records.h"

#include "settings/settings.h"

#include <bit>
#include <cstring>

namespace {

void putU32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t getU32(std::string_view image, size_t offset)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(image[offset + i])) << (8 * i);
    return v;
}

class ImageWriter {
public:
    explicit ImageWriter(const std::string& name)
    {
        out_ = name.substr(0, kNameLimit);
        out_.resize(kNameFieldSize, '\0');
    }
    ImageWriter& f(float v) { putU32(out_, std::bit_cast<uint32_t>(v)); return *this; }
    ImageWriter& i(int v) { putU32(out_, static_cast<uint32_t>(v)); return *this; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

class ImageReader {
public:
    explicit ImageReader(std::string_view image) : image_(image) {}
    std::string name() const
    {
        const std::string_view field = image_.substr(0, kNameFieldSize);
        return std::string(field.substr(0, std::min(field.find('\0'), kNameLimit)));
    }
    float f() { return std::bit_cast<float>(next()); }
    int i() { return static_cast<int>(next()); }

private:
    uint32_t next()
    {
        const uint32_t v = getU32(image_, offset_);
        offset_ += 4;
        return v;
    }
    std::string_view image_;
    size_t offset_ = kNameFieldSize;
};

} // namespace

std::string encodeRecord(const MaterialRecord& r)
{
    return ImageWriter(r.name).f(r.length).f(r.width).f(r.thickness).f(r.height).i(r.cutrate).i(r.plungerate).take();
}

std::string encodeRecord(const HoleRecord& r)
{
    return ImageWriter(r.name).f(r.length).f(r.width).f(r.radius).i(r.subprogram).take();
}

std::string encodeRecord(const BitRecord& r)
{
    return ImageWriter(r.name).f(r.diameter).take();
}

void decodeRecord(std::string_view image, MaterialRecord& r)
{
    ImageReader in(image);
    r.name = in.name();
    r.length = in.f();
    r.width = in.f();
    r.thickness = in.f();
    r.height = in.f();
    r.cutrate = in.i();
    r.plungerate = in.i();
}

void decodeRecord(std::string_view image, HoleRecord& r)
{
    ImageReader in(image);
    r.name = in.name();
    r.length = in.f();
    r.width = in.f();
    r.radius = in.f();
    r.subprogram = in.i();
}

void decodeRecord(std::string_view image, BitRecord& r)
{
    ImageReader in(image);
    r.name = in.name();
    r.diameter = in.f();
}
