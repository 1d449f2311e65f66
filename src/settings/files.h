#pragma once

#include <string>
#include <string_view>

// Folder and file joined with the platform's separator, as the program names every file it opens.
std::string joinPath(std::string_view folder, std::string_view file);
// The folder part of a full path (before its last separator) and the file name after it.
std::string folderOf(std::string_view fullPath);
std::string fileNameOf(std::string_view fullPath);

// The path made absolute against the current folder and normalised; the path itself when that fails.
std::string absolutePath(const std::string& path);

// Paths are UTF-8 text on every platform (on Windows opened through the wide-character names).
bool readWholeFile(const std::string& path, std::string& bytes);

// The outcome of writing a file: true when written; otherwise the file and the system's reason
// ("No space left on device"), which every message about a failed write names on a line of its own.
class WriteResult {
public:
    static WriteResult written() { return WriteResult(); }
    static WriteResult failed(std::string file, std::string reason);
    // The target is held open by another program (on Windows, where the controller may hold
    // "jobs.tap" open and a virus scanner may lock a new file for a moment).
    static WriteResult heldOpen(std::string file, std::string reason);

    explicit operator bool() const { return reason_.empty(); }
    bool targetHeldOpen() const { return heldOpen_; }
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }
    // "<file> : <reason>", the file made absolute so that the user can find it.
    std::string line() const;

private:
    std::string file_;
    std::string reason_;
    bool heldOpen_ = false;
};

// Writes a temporary file beside the target and renames it over the target, so that a failed
// write leaves the old file as it was and never a half-written one. On Windows a target held open
// is tried again for about half a second before the write fails.
WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);
// The message for a target held open by another program.
std::string targetInUseMessage(const std::string& path);
// Every "\n" becomes "\r\n": the line ends of the files the controller and the libraries expect.
std::string withCrLf(std::string_view text);

// The system's text for an error number ("No such file or directory").
std::string reasonText(int errorNumber);

// Empty when the folder exists and files can be made in it; otherwise the system's reason. An
// empty text names no folder.
std::string folderProblem(const std::string& folder);
// True when there is a file or folder at the path.
bool pathExists(const std::string& path);
// Makes the folder and any missing folders above it; the reason when that fails.
WriteResult makeFolder(const std::string& folder);
// "<folder> : <reason>" with the folder made absolute, as a message's second line names it.
std::string folderLine(const std::string& folder, const std::string& reason);
