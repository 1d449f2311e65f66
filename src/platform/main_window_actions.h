#pragma once

// What page logic may ask of the main window.
class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;
    // After a successful Run: close the window (which ends the program) or minimise it.
    virtual void closeMainWindow() = 0;
    virtual void minimizeMainWindow() = 0;
    // Makes the page with this number (0 Posts, 1 Manual, 2 Rails, 3 Configurations) the shown one.
    virtual void showPage(int page) = 0;
};
