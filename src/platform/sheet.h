#pragma once

#include "platform/page_id.h"

// The main window as the pages see it: the tabbed sheet that holds them.
class Sheet {
public:
    virtual ~Sheet() = default;
    // Shows a page as if the user had picked its tab (the page left may refuse).
    virtual void showPage(PageId page) = 0;
    // Closes the window as its Close button does, which ends the program.
    virtual void closeWindow() = 0;
    virtual void minimizeWindow() = 0;
};
