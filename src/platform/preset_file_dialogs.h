#pragma once

#include "platform/file_dialogs.h"

#include <utility>

// The tap-file dialogs with an open answer chosen beforehand: a recent program goes through the
// page's own Load with its file already picked. Without a preset the user is asked.
class PresetFileDialogs : public FileDialogs {
public:
    explicit PresetFileDialogs(FileDialogs& asked) : asked_(asked) {}

    // The next open dialog answers path without showing; clearPreset drops an unused answer.
    void presetOpen(std::string path) { preset_ = std::move(path); }
    void clearPreset() { preset_.reset(); }

    std::optional<std::string> chooseTapFileToOpen(const std::string& folder) override
    {
        if (!preset_)
            return asked_.chooseTapFileToOpen(folder);
        std::optional<std::string> chosen = std::move(preset_);
        preset_.reset();
        return chosen;
    }
    std::optional<ChosenFile> chooseTapFileToSave(const std::string& folder, const std::string& name) override
    {
        return asked_.chooseTapFileToSave(folder, name);
    }

private:
    FileDialogs& asked_;
    std::optional<std::string> preset_;
};
