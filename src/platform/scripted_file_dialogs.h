#pragma once

#include "platform/file_dialogs.h"

// File dialogs that answer with paths given in advance (nothing means Cancel), and remember the
// folder each was opened in.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openAnswer;
    std::optional<std::string> saveAnswer;
    std::string lastFolder;
    int opened = 0;

    std::optional<std::string> chooseTapFileToOpen(const std::string& folder) override
    {
        lastFolder = folder;
        ++opened;
        return openAnswer;
    }
    std::optional<std::string> chooseTapFileToSave(const std::string& folder) override
    {
        lastFolder = folder;
        ++opened;
        return saveAnswer;
    }
};
