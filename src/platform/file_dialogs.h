#pragma once

#include <optional>
#include <string>

// The open and save dialogs for tap files. Each opens in the given folder and returns the full
// path of the chosen file, or nothing when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> chooseTapFileToOpen(const std::string& folder) = 0;
    virtual std::optional<std::string> chooseTapFileToSave(const std::string& folder) = 0;
};
