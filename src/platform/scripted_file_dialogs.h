#pragma once

#include "platform/file_dialogs.h"

#include <string_view>

// File dialogs that answer with paths given in advance (nothing means Cancel), and remember the
// folder each was opened in and the name the save dialog offered.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openAnswer;
    // A full path, split at its last separator as the dialog would give it.
    std::optional<std::string> saveAnswer;
    // Or the folder and the name as typed, which may hold a separator.
    std::optional<ChosenFile> typedSaveAnswer;
    std::string lastFolder;
    std::string offeredName;
    int opened = 0;

    std::optional<std::string> chooseTapFileToOpen(const std::string& folder) override
    {
        lastFolder = folder;
        ++opened;
        return openAnswer;
    }
    std::optional<ChosenFile> chooseTapFileToSave(const std::string& folder, const std::string& name) override
    {
        lastFolder = folder;
        offeredName = name;
        ++opened;
        if (typedSaveAnswer)
            return typedSaveAnswer;
        if (!saveAnswer)
            return std::nullopt;
        const std::string_view path = *saveAnswer;
        const size_t cut = path.find_last_of("/\\");
        return ChosenFile{std::string(path.substr(0, cut == std::string_view::npos ? 0 : cut)),
                          std::string(cut == std::string_view::npos ? path : path.substr(cut + 1))};
    }
};
