#include "ui/shop_folder.h"

#include "platform/system_text.h"

#include <filesystem>

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// Windows: "%NAME%" is the environment variable's value, as cmd.exe would have it; a name that is
// not set stays as it is.
std::string withVariables(const std::string& text)
{
#ifdef _WIN32
    std::string out;
    size_t at = 0;
    for (;;) {
        const size_t open = text.find('%', at);
        const size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
        if (close == std::string::npos)
            return out + text.substr(at);
        const std::string value = environmentValue(text.substr(open + 1, close - open - 1).c_str());
        if (close == open + 1 || value.empty()) {
            out += text.substr(at, close - at);
            at = close;
            continue;
        }
        out += text.substr(at, open - at) + value;
        at = close + 1;
    }
#else
    return text;
#endif
}

std::filesystem::path shopPath(const std::string& given, const char* homeFolder)
{
    const std::string folder = withVariables(given);
    const bool tilde = folder == "~" || (folder.size() > 1 && folder[0] == '~' && kSeparators.find(folder[1]) != std::string_view::npos);
    if (homeFolder && *homeFolder && tilde)
        return pathFromUtf8(homeFolder) / pathFromUtf8(folder.substr(folder.size() > 1 ? 2 : 1));
    return pathFromUtf8(folder);
}

} // namespace

ShopChoice enterShopFolder(const std::vector<std::string>& arguments, const char* homeFolder, std::string& folder)
{
    if (arguments.empty())
        return ShopChoice::Current;
    if (arguments.size() != 2 || arguments[0] != "--shop" || arguments[1].empty())
        return ShopChoice::WrongUsage;
    const std::filesystem::path path = shopPath(arguments[1], homeFolder);
    folder = utf8FromPath(path);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    std::filesystem::current_path(path, error);
    return error ? ShopChoice::CannotEnter : ShopChoice::Entered;
}
