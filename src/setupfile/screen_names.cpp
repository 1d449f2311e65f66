#include "setupfile/screen_names.h"

#include <array>
#include <string>

namespace {

struct ScreenName {
    PageId page;
    std::string_view name;
};

constexpr std::array<ScreenName, 3> kScreens{{{PageId::Posts, "Post"}, {PageId::Manual, "Manual"}, {PageId::Rails, "Rail"}}};

std::string upperFour(std::string_view name)
{
    std::string upper(name.substr(0, 4));
    for (char& c : upper)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return upper;
}

} // namespace

std::string_view screenName(PageId page)
{
    for (const ScreenName& screen : kScreens) {
        if (screen.page == page)
            return screen.name;
    }
    return {};
}

PageId screenPage(std::string_view upperName)
{
    const std::string_view first = upperName.substr(0, 4);
    for (const ScreenName& screen : kScreens) {
        if (first == upperFour(screen.name))
            return screen.page;
    }
    return PageId::None;
}
