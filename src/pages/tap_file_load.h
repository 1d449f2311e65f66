#pragma once

#include "platform/page_id.h"

#include <functional>
#include <optional>

class FileDialogs;
class Messages;
class Sheet;

// The sides and display choices a setup header recorded, when it recorded them.
struct RecordedChoices {
    std::optional<int> sides;   // 1 one side, 2 both sides
    std::optional<int> display; // 1 overlay, 0 apart
};

// How a cutting page takes part in Load: which page it is, how it empties itself before it hands
// a file to another page, and how it fills itself from the header just read (the settings in gs,
// its values in its job and the holding fields).
struct LoadingPage {
    PageId page;
    std::function<void()> clear;
    std::function<void(const RecordedChoices&)> fill;
};

// The Load button: asks for a tap file and reads which page wrote it. This page's own file is
// read and filled in, with the bit of the loaded bit name; another page's file is handed to that
// page, which takes it when it is shown (takePendingLoad).
void loadTapFile(const LoadingPage& page, FileDialogs& dialogs, Messages& messages, Sheet& sheet);
// A page being shown takes the file another page handed over, when it is this page's. True when
// a file was handed over.
bool takePendingLoad(const LoadingPage& page, Messages& messages);
