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

bool readWholeFile(const std::string& path, std::string& bytes);
// Writes a temporary file beside the target and renames it over the target, so that a failed
// write leaves the old file as it was. Returns false on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
// Every "\n" becomes "\r\n": the line ends of the files the controller and the libraries expect.
std::string withCrLf(std::string_view text);
