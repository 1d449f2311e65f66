#include "settings/files.h"

#include "platform/system_text.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

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
    return pathFromUtf8(path);
}

#ifdef _WIN32
// How long a target held open by another program is waited for: long enough for a virus
// scanner's look at a new file, short enough not to be noticed when the controller holds it.
constexpr int kReplaceAttempts = 10;
constexpr auto kReplaceRetryDelay = std::chrono::milliseconds(50);

// MoveFileEx replaces an existing target (a plain rename does not on Windows), unless another
// program holds the target open without letting it be deleted.
WriteFailure replaceFile(const fs::path& temporary, const fs::path& target)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return WriteFailure::None;
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
        const bool held = !readOnly && (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                                        error == ERROR_ACCESS_DENIED);
        if (!held)
            return WriteFailure::CannotWrite;
        if (attempt == kReplaceAttempts)
            return WriteFailure::TargetInUse;
        std::this_thread::sleep_for(kReplaceRetryDelay);
    }
}
#else
WriteFailure replaceFile(const fs::path& temporary, const fs::path& target)
{
    std::error_code error;
    fs::rename(temporary, target, error);
    return error ? WriteFailure::CannotWrite : WriteFailure::None;
}
#endif
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
    WriteFailure ignored{};
    return writeFileAtomically(path, bytes, ignored);
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, WriteFailure& failure)
{
    const fs::path target = toPath(path);
    fs::path temporary = target;
    temporary += ".korvanta-tmp";
    failure = WriteFailure::CannotWrite;
    {
        // Binary: the bytes are written as they are, line ends included.
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
    failure = replaceFile(temporary, target);
    if (failure != WriteFailure::None) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string targetInUseMessage(const std::string& path)
{
    return path + " is open in another program (the controller?), so it was left as it was.\n"
                  "Please close it there and try again.";
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
#ifdef _WIN32
    // The system's own: MinGW's std::filesystem (GCC 12) takes a network path (\\server\share\...)
    // for a folder of the current drive.
    const std::wstring wide = wideFromUtf8(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return utf8FromWide(full);
#else
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(toPath(path), error);
    return error ? path : utf8FromPath(full.lexically_normal());
#endif
}
