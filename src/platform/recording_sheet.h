#pragma once

#include "platform/sheet.h"

#include <vector>

// A sheet that writes down what the pages asked of it.
class RecordingSheet : public Sheet {
public:
    void showPage(PageId page) override { pagesShown.push_back(page); }
    void closeWindow() override { ++closed; }
    void minimizeWindow() override { ++minimized; }

    std::vector<PageId> pagesShown;
    int closed = 0;
    int minimized = 0;
};
