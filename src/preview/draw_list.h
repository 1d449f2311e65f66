#pragma once

#include "preview/draw_record.h"
#include "preview/home_window.h"

#include <array>
#include <fstream>
#include <string>

inline constexpr const char* kDrawListFileName = "fdraw.tmp";
// What the preview says above a draw list's failure.
inline constexpr const char* kDrawingFailed = "Unable to write the preview's drawing.\n";

// Whole-unit corners of the drawing merged with the home window.
struct DrawBounds {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
};

// The draw list: line and arc records in "fdraw.tmp" in homeDir, their count and the bounding
// box of their end points. The file stays open between redraws; the list lives in the file, not
// in memory, so a long drawing costs no memory and a repaint reads only what it needs. Records
// are written in blocks: the file holds every record by the next read, flush or fit.
class DrawList {
public:
    using Point = std::array<float, 4>; // x, y, z and the arc centre's coordinate

    // Creates or empties the file; without a file later records are dropped.
    void Restart();
    void AddRecord(int kind, int pen, const Point& start, const Point& end);
    // Writes the records added since the last write to the file.
    void flush();
    bool ReadRecord(int index, DrawRecord& record);
    DrawBounds GetBounds(const HomeWindow& home) const;
    int GetCount() const { return count_; }
    // The next read seeks to its record instead of reading on.
    void RewindForReplay() { reposition_ = true; }

    bool isOpen() const { return file_.is_open(); }
    // Empty while every record reached the file; otherwise "<file> : <the system's reason>", and
    // later records are dropped until the next Restart, so that only whole records are counted.
    const std::string& failure() const { return failure_; }
    // Closes the file and forgets the records (for tests and the end of the process).
    void reset();
    // The folder of the draw list file; homeDir when empty. Takes effect at the next Restart.
    void setFolder(const std::string& folder) { folder_ = folder; }

private:
    void resetBox();
    void fail();

    std::fstream file_;
    // Records added and not yet written, at most a block of them.
    std::string pending_;
    int count_ = 0;
    float minX_ = 100000000.0f, minY_ = 100000000.0f, minZ_ = 100000000.0f;
    float maxX_ = -100000000.0f, maxY_ = -100000000.0f, maxZ_ = -100000000.0f;
    bool reposition_ = false;
    std::string folder_;
    std::string path_;
    std::string failure_;
};

// Float to int by truncation toward zero, saturating instead of overflowing (NaN gives 0).
int truncateToInt(float value);
