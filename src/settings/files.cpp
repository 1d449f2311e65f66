#include "settings/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr std::string_view kSeparators = "\\/";
#else
constexpr char kSeparator = '/';
constexpr std::string_view kSeparators = "/";
#endif

fs::path toPath(std::string_view path)
{
    return fs::path(std::u8string(path.begin(), path.end()));
}
} // namespace

std::string joinPath(std::string_view folder, std::string_view file)
{
    std::string path(folder);
    path += kSeparator;
    path += file;
    return path;
}

std::string folderOf(std::string_view fullPath)
{
    const size_t cut = fullPath.find_last_of(kSeparators);
    return cut == std::string_view::npos ? std::string() : std::string(fullPath.substr(0, cut));
}

std::string fileNameOf(std::string_view fullPath)
{
    const size_t cut = fullPath.find_last_of(kSeparators);
    return std::string(cut == std::string_view::npos ? fullPath : fullPath.substr(cut + 1));
}

bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const fs::path target = toPath(path);
    fs::path temporary = target;
    temporary += ".korvanta-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (out.fail()) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}
