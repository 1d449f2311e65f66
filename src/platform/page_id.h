#pragma once

// The four pages of the main window, in the order of their tabs. The number of a page is its tab
// and the value stored as the last page shown; the setup header names the cutting pages by the
// screen names of setupfile/screen_names.h.
enum class PageId { None = -1, Posts = 0, Manual = 1, Rails = 2, Configurations = 3 };

inline constexpr int kPageCount = 4;

constexpr int pageNumber(PageId page) { return static_cast<int>(page); }

// The page of a stored number; None for a number that names no page.
constexpr PageId pageFromNumber(int number)
{
    return number >= 0 && number < kPageCount ? static_cast<PageId>(number) : PageId::None;
}
