#include "settings/files.h"

#include "platform/system_text.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
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

std::FILE* openForWriting(const fs::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Writes the bytes to a new file; 0, or the error number of the first step that failed. C's
// streams are used because they keep the system's reason, which a full disk must name.
int writeWhole(const fs::path& path, std::string_view bytes)
{
    errno = 0;
    std::FILE* out = openForWriting(path);
    if (!out) {
        const int error = errno != 0 ? errno : EIO;
        std::error_code notChecked;
        // Windows says "permission denied" where a folder stands in the way.
        return fs::is_directory(path, notChecked) ? EISDIR : error;
    }
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size())
        error = errno != 0 ? errno : EIO;
    if (std::fflush(out) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (std::fclose(out) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    return error;
}
// How the temporary file went over the target: replaced, held open by another program, or the
// system's reason why not.
struct Replaced {
    bool ok = false;
    bool heldOpen = false;
    std::string reason;
};

#ifdef _WIN32
// How long a target held open by another program is waited for: long enough for a virus
// scanner's look at a new file, short enough not to be noticed when the controller holds it.
constexpr int kReplaceAttempts = 10;
constexpr auto kReplaceRetryDelay = std::chrono::milliseconds(50);

// MoveFileEx replaces an existing target (a plain rename does not on Windows), unless another
// program holds the target open without letting it be deleted.
Replaced replaceFile(const fs::path& temporary, const fs::path& target)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {true, false, {}};
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
        const bool held = !readOnly && (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                                        error == ERROR_ACCESS_DENIED);
        if (!held)
            return {false, false, std::system_category().message(static_cast<int>(error))};
        if (attempt == kReplaceAttempts)
            return {false, true, std::system_category().message(static_cast<int>(error))};
        std::this_thread::sleep_for(kReplaceRetryDelay);
    }
}
#else
Replaced replaceFile(const fs::path& temporary, const fs::path& target)
{
    std::error_code error;
    fs::rename(temporary, target, error);
    return {!error, false, error ? error.message() : std::string()};
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

WriteResult WriteResult::failed(std::string file, std::string reason)
{
    WriteResult result;
    result.file_ = std::move(file);
    result.reason_ = reason.empty() ? reasonText(EIO) : std::move(reason);
    return result;
}

WriteResult WriteResult::heldOpen(std::string file, std::string reason)
{
    WriteResult result = failed(std::move(file), std::move(reason));
    result.heldOpen_ = true;
    return result;
}

std::string WriteResult::line() const
{
    return folderLine(file_, reason_);
}

std::string reasonText(int errorNumber)
{
    return std::generic_category().message(errorNumber);
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const fs::path target = toPath(path);
    // Windows refuses to replace a folder with "access denied", which reads like a file held open.
    std::error_code notChecked;
    if (fs::is_directory(target, notChecked))
        return WriteResult::failed(path, reasonText(EISDIR));
    fs::path temporary = target;
    temporary += ".korvanta-tmp";
    const int error = writeWhole(temporary, bytes);
    if (error != 0) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return WriteResult::failed(path, reasonText(error));
    }
    const Replaced replaced = replaceFile(temporary, target);
    if (!replaced.ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return replaced.heldOpen ? WriteResult::heldOpen(path, replaced.reason) : WriteResult::failed(path, replaced.reason);
    }
    return WriteResult::written();
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

std::string folderProblem(const std::string& folder)
{
    if (folder.empty())
        return reasonText(ENOENT);
    std::error_code error;
    const fs::file_status status = fs::status(toPath(folder), error);
    if (status.type() == fs::file_type::not_found)
        return reasonText(ENOENT);
    if (error)
        return error.message();
    if (!fs::is_directory(status))
        return reasonText(ENOTDIR);
#ifndef _WIN32
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return reasonText(errno);
#endif
    return "";
}

std::string folderLine(const std::string& folder, const std::string& reason)
{
    return (folder.empty() ? folder : absolutePath(folder)) + " : " + reason;
}

bool pathExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::exists(toPath(path), error);
}

WriteResult makeFolder(const std::string& folder)
{
    std::error_code error;
    fs::create_directories(toPath(folder), error);
    if (error)
        return WriteResult::failed(folder, error.message());
    const std::string problem = folderProblem(folder);
    return problem.empty() ? WriteResult::written() : WriteResult::failed(folder, problem);
}
