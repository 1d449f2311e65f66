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

// Why a write failed: the target is held open by another program (on Windows, where the
// controller may hold "jobs.tap" open and a virus scanner may lock a new file for a moment), or
// anything else (no such folder, no right to write, a full disk).
enum class WriteFailure { None, TargetInUse, CannotWrite };

// Writes a temporary file beside the target and renames it over the target, so that a failed
// write leaves the old file as it was and never a half-written one. On Windows a target held open
// is tried again for about half a second before the write fails. Returns false on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
bool writeFileAtomically(const std::string& path, std::string_view bytes, WriteFailure& failure);
// The message for a target held open by another program.
std::string targetInUseMessage(const std::string& path);
// Every "\n" becomes "\r\n": the line ends of the files the controller and the libraries expect.
std::string withCrLf(std::string_view text);
