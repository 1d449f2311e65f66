#pragma once

#include "platform/page_id.h"
#include "ui/file_buttons.h"
#include "ui/recent_programs.h"

#include <QObject>

#include <array>
#include <string>

class MainWindow;
class QAction;
class QMenu;
class QMenuBar;

// The menu bar above the tabs. File's actions press the shown cutting page's own buttons, so
// they run the same checks and say the same messages; they are off while Configurations is
// shown. Edit's Undo brings the shown cutting page back as it was before its last Clear or Load,
// and names which. View shows the pages, Help tells which Korvanta this is.
class MainMenu : public QObject {
public:
    MainMenu(MainWindow& window, QMenuBar* bar);

    // File's actions follow the page shown; View marks it.
    void pageShown(PageId page);
    // A View action of its own, listed above the pages.
    void addViewAction(QAction* action);

    QAction* fileAction(FileAction action) const { return fileActions_[static_cast<size_t>(action)]; }
    QAction* pageAction(PageId page) const { return pageActions_[static_cast<size_t>(pageNumber(page))]; }
    QAction* closeAction() const { return closeAction_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* aboutAction() const { return aboutAction_; }
    QMenu* recentMenu() const { return recentMenu_; }
    RecentPrograms& recentPrograms() { return recent_; }

    // Loads a recent program as Load does with that file chosen; a file that is gone is said so
    // and taken off the list.
    void openRecent(const std::string& path);

private:
    void buildFile(QMenuBar* bar);
    void buildEdit(QMenuBar* bar);
    void buildView(QMenuBar* bar);
    void showUndoName();
    void undo();
    void buildHelp(QMenuBar* bar);
    void press(FileAction action);
    void showPageAsTabClick(PageId page);
    void fillRecent();
    void showAbout();
    bool onCuttingPage() const;

    MainWindow& window_;
    RecentPrograms recent_;
    std::array<QAction*, 4> fileActions_{};
    std::array<QAction*, kPageCount> pageActions_{};
    QAction* closeAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* pagesTop_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};
