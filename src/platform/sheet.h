#pragma once

// The main window as the pages see it: the tabbed sheet that holds them.
// Pages are numbered by their tab: 0 Posts, 1 Manual, 2 Rails, 3 Configurations.
class Sheet {
public:
    virtual ~Sheet() = default;
    // Shows a page as if the user had picked its tab (the page left may refuse).
    virtual void showPage(int page) = 0;
    // Closes the window as its Close button does, which ends the program.
    virtual void closeWindow() = 0;
    virtual void minimizeWindow() = 0;
};
