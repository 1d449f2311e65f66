#pragma once

#include "platform/preset_file_dialogs.h"
#include "platform/sheet.h"
#include "ui/file_buttons.h"
#include "ui/preview_widget.h"
#include "ui/qt_file_dialogs.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>

class MainMenu;
class Messages;
class ProgramPanel;
class JobFlow;
class ProgramSource;
class QAction;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QTabWidget;


// What a page does when the sheet shows it or leaves it.
struct PageHooks {
    std::function<void()> shown;
    // Another page is about to be shown; false keeps this page.
    std::function<bool()> leaving;
    // The program a cutting page would write now, for the program view and the cutting time.
    ProgramSource* program = nullptr;
    // Told true before the field being left is checked on the way to another page, and false when
    // the page stays after all.
    std::function<void(bool)> leavingUnderway = nullptr;
    // A cutting page's Run, Save, Load, Clear and Undo.
    JobFlow* flow = nullptr;
};

// The main window: the menu bar, the four pages on tabs, the preview panel to the right of them,
// and the Close button. The preview is hidden while Configurations is shown. The window may be
// made smaller than its start size: the tabs and the preview then scroll, Close stays in view.
class MainWindow : public QWidget, public Sheet {
public:
    // The start page is the last page shown in the previous run; None opens Posts.
    MainWindow(const QString& title, PageId startPage, const QIcon& icon, Messages& messages,
               QWidget* parent = nullptr);

    // Puts a page's widget in place of its placeholder.
    void setPage(PageId page, QWidget* widget, PageHooks hooks);
    // The Configurations page's store, run on closing while that page is shown; a refusal keeps
    // the window open on the page.
    void setConfigurationsStore(std::function<bool()> store) { storeConfigurations_ = std::move(store); }
    // The buttons of a cutting page that File's actions press.
    void setFileButtons(PageId page, FileButtons buttons) { fileButtons_[static_cast<size_t>(pageNumber(page))] = buttons; }
    QAbstractButton* fileButton(PageId page, FileAction action) const;
    // The Run, Save, Load, Clear and Undo of a cutting page; null for Configurations.
    JobFlow* jobFlow(PageId page) { return page == PageId::None ? nullptr : hooks(page).flow; }
    // A View menu action of the caller's, listed above the pages.
    void addViewAction(QAction* action);

    PageId currentPage() const { return shownPage_; }
    QWidget* page(PageId page) const;
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* closeButton() const { return closeButton_; }
    PreviewFrame* previewFrame() const { return preview_; }
    ProgramPanel* programPanel() const { return programPanel_; }
    QMenuBar* menuBar() const { return menuBar_; }
    MainMenu& mainMenu() const { return *menu_; }
    QScrollArea* pageArea() const { return scroll_; }
    Messages& messages() const { return messages_; }
    FileDialogs& fileDialogs() { return fileDialogs_; }
    PresetFileDialogs& presetFileDialogs() { return fileDialogs_; }

    // A second start asked for the window: restored, raised and activated.
    void bringToFront();

    void showPage(PageId page) override;
    void closeWindow() override;
    void minimizeWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onTabChanged(int index);
    void showTab(PageId page);
    bool mayLeave(PageId page);
    // The field being left on the way from the page is checked; false when it was refused.
    bool checkFieldLeavingPage(PageId page);
    void tellLeaving(PageId page, bool underway);
    void activate(PageId page);
    PageHooks& hooks(PageId page) { return hooks_[static_cast<size_t>(pageNumber(page))]; }
    void layOut();
    void layOutContent();

    Messages& messages_;
    QtFileDialogs askedDialogs_;
    PresetFileDialogs fileDialogs_;
    QMenuBar* menuBar_;
    MainMenu* menu_;
    QScrollArea* scroll_;
    // What scrolls: the tabs with the preview over them, laid out as the window was at its start size.
    QWidget* content_;
    QTabWidget* tabs_;
    QPushButton* closeButton_;
    PreviewFrame* preview_ = nullptr;
    ProgramPanel* programPanel_ = nullptr;
    std::array<PageHooks, kPageCount> hooks_;
    std::array<FileButtons, kPageCount> fileButtons_;
    std::function<bool()> storeConfigurations_;
    PageId startPage_;
    PageId shownPage_ = PageId::None;
    bool closed_ = false;
};
