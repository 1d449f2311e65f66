#include "ui/shop_folder.h"

#include <filesystem>

namespace {

std::filesystem::path shopPath(const std::string& folder, const char* homeFolder)
{
    if (homeFolder && *homeFolder && (folder == "~" || folder.rfind("~/", 0) == 0))
        return std::filesystem::path(homeFolder) / folder.substr(folder.size() > 1 ? 2 : 1);
    return folder;
}

} // namespace

ShopChoice enterShopFolder(const std::vector<std::string>& arguments, const char* homeFolder, std::string& folder)
{
    if (arguments.empty())
        return ShopChoice::Current;
    if (arguments.size() != 2 || arguments[0] != "--shop" || arguments[1].empty())
        return ShopChoice::WrongUsage;
    const std::filesystem::path path = shopPath(arguments[1], homeFolder);
    folder = path.string();
    std::error_code error;
    std::filesystem::create_directories(path, error);
    std::filesystem::current_path(path, error);
    return error ? ShopChoice::CannotEnter : ShopChoice::Entered;
}
