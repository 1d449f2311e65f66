#pragma once

#include <optional>
#include <string>

// A file chosen in the save dialog: the folder the dialog was in and the name as it was typed,
// so that a name holding a folder separator can be refused rather than taken for a folder.
struct ChosenFile {
    std::string folder;
    std::string name;
};

// The open and save dialogs for tap files. Each opens in the given folder; the save dialog offers
// a name. Nothing is returned when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path of the chosen file.
    virtual std::optional<std::string> chooseTapFileToOpen(const std::string& folder) = 0;
    virtual std::optional<ChosenFile> chooseTapFileToSave(const std::string& folder, const std::string& name) = 0;
};
