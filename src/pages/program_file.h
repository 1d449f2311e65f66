#pragma once

#include <optional>
#include <string>

// A folder of the settings made absolute against the shop folder, as the controller must find it.
std::string inShopFolder(const std::string& folder);

// The program file of a cutting page: its default name in the shop's program folder until a Save
// or Load on the page chooses another file (a full path, anywhere). The dialogs open where the
// page's last dialog was left, else in the folder of its file.
class ProgramFile {
public:
    explicit ProgramFile(std::string defaultName) : defaultName_(std::move(defaultName)) {}

    // The file the page's next Run writes.
    std::string path() const;
    std::string dialogFolder() const;

    void choose(const std::string& path) { chosen_ = path; }
    void leaveDialogsIn(const std::string& folder) { dialogFolder_ = folder; }
    // Back to the default name (Clear).
    void reset() { chosen_.reset(); }

private:
    std::string defaultName_;
    std::optional<std::string> chosen_;
    std::string dialogFolder_;
};
