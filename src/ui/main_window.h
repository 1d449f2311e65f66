#pragma once

#include "platform/sheet.h"
#include "ui/preview_widget.h"
#include "ui/qt_file_dialogs.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>

class Messages;
class ProgramPanel;
class ProgramSource;
class QPushButton;
class QTabWidget;


// What a page does when the sheet shows it or leaves it.
struct PageHooks {
    std::function<void()> shown;
    // Another page is about to be shown; false keeps this page.
    std::function<bool()> leaving;
    // The program a cutting page would write now, for the program view and the cutting time.
    ProgramSource* program = nullptr;
};

// The main window: the four pages on tabs, the preview panel to the right of them, and the
// Close button. The preview is hidden while Configurations is shown.
class MainWindow : public QWidget, public Sheet {
public:
    // The start page is the last page shown in the previous run; None opens Posts.
    MainWindow(const QString& title, PageId startPage, const QIcon& icon, Messages& messages,
               QWidget* parent = nullptr);

    // Puts a page's widget in place of its placeholder.
    void setPage(PageId page, QWidget* widget, PageHooks hooks);
    // The Configurations page's store, run on closing when that page has been shown.
    void setConfigurationsStore(std::function<void()> store) { storeConfigurations_ = std::move(store); }

    PageId currentPage() const { return shownPage_; }
    QWidget* page(PageId page) const;
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* closeButton() const { return closeButton_; }
    PreviewFrame* previewFrame() const { return preview_; }
    ProgramPanel* programPanel() const { return programPanel_; }
    Messages& messages() const { return messages_; }
    FileDialogs& fileDialogs() { return fileDialogs_; }

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
    bool mayLeave(PageId page);
    void activate(PageId page);
    PageHooks& hooks(PageId page) { return hooks_[static_cast<size_t>(pageNumber(page))]; }
    void layOut();

    Messages& messages_;
    QtFileDialogs fileDialogs_;
    QTabWidget* tabs_;
    QPushButton* closeButton_;
    PreviewFrame* preview_ = nullptr;
    ProgramPanel* programPanel_ = nullptr;
    std::array<PageHooks, kPageCount> hooks_;
    std::function<void()> storeConfigurations_;
    PageId startPage_;
    PageId shownPage_ = PageId::None;
    bool configurationsShown_ = false;
    bool closed_ = false;
};
