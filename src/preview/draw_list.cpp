#include "preview/draw_list.h"

#include "settings/files.h"
#include "settings/settings.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <filesystem>

namespace {

constexpr float kBoxStart = 100000000.0f;
// One write for this many bytes of records, not one seek, write and flush for each record: a
// redraw of thousands of holes spent most of its time there.
constexpr size_t kBlockBytes = 64 * 1024;

std::filesystem::path asPath(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

} // namespace

int truncateToInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483520.0f) // the largest float below 2^31
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}

void DrawList::resetBox()
{
    minX_ = minY_ = minZ_ = kBoxStart;
    maxX_ = maxY_ = maxZ_ = -kBoxStart;
}

// The stream keeps no reason of its own; the system's is still in errno right after the call.
void DrawList::fail()
{
    failure_ = folderLine(path_, reasonText(errno != 0 ? errno : EIO));
}

void DrawList::Restart()
{
    if (file_.is_open())
        file_.close();
    file_.clear();
    path_ = joinPath(folder_.empty() ? homeDir : folder_, kDrawListFileName);
    failure_.clear();
    errno = 0;
    file_.open(asPath(path_), std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file_.is_open())
        fail();
    pending_.clear();
    count_ = 0;
    resetBox();
    reposition_ = true;
}

void DrawList::AddRecord(int kind, int pen, const Point& start, const Point& end)
{
    if (!file_.is_open() || !failure_.empty())
        return;
    minX_ = std::min({minX_, start[0], end[0]});
    minY_ = std::min({minY_, start[1], end[1]});
    minZ_ = std::min({minZ_, start[2], end[2]});
    maxX_ = std::max({maxX_, start[0], end[0]});
    maxY_ = std::max({maxY_, start[1], end[1]});
    maxZ_ = std::max({maxZ_, start[2], end[2]});
    DrawRecord record;
    record.kind = kind;
    record.x1 = start[0];
    record.y1 = start[1];
    record.z1 = start[2];
    record.cx = start[3];
    record.x2 = end[0];
    record.y2 = end[1];
    record.z2 = end[2];
    record.cy = end[3];
    record.pen = pen;
    const DrawRecordImage image = encodeDrawRecord(record);
    pending_.append(reinterpret_cast<const char*>(image.data()), image.size());
    if (pending_.size() >= kBlockBytes)
        flush();
    reposition_ = true;
    ++count_;
}

void DrawList::flush()
{
    if (pending_.empty() || !file_.is_open() || !failure_.empty())
        return;
    file_.clear();
    file_.seekp(0, std::ios::end);
    errno = 0;
    file_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    file_.flush();
    pending_.clear();
    reposition_ = true;
    if (file_)
        return;
    fail();
    // Opened afresh, the stream drops what it could not write; only the whole records that reached
    // the file are counted and read.
    file_.close();
    file_.clear();
    file_.open(asPath(path_), std::ios::in | std::ios::out | std::ios::binary);
    std::error_code error;
    const auto size = std::filesystem::file_size(asPath(path_), error);
    count_ = error ? 0 : static_cast<int>(std::min<std::uintmax_t>(size / kDrawRecordSize, INT_MAX));
}

bool DrawList::ReadRecord(int index, DrawRecord& record)
{
    if (!file_.is_open())
        return false;
    flush();
    if (reposition_) {
        file_.clear();
        file_.seekg(static_cast<std::streamoff>(index) * static_cast<std::streamoff>(kDrawRecordSize));
        reposition_ = false;
    }
    DrawRecordImage image{};
    if (!file_.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()))) {
        // A short read leaves the stream failed; the next read must seek again.
        file_.clear();
        reposition_ = true;
        return false;
    }
    record = decodeDrawRecord(image);
    return true;
}

DrawBounds DrawList::GetBounds(const HomeWindow& home) const
{
    return {truncateToInt(std::min(minX_, home.minX)), truncateToInt(std::min(minY_, home.minY)),
            truncateToInt(std::max(maxX_, home.maxX)), truncateToInt(std::max(maxY_, home.maxY))};
}

void DrawList::reset()
{
    if (file_.is_open())
        file_.close();
    pending_.clear();
    file_.clear();
    count_ = 0;
    resetBox();
    reposition_ = false;
    failure_.clear();
}
