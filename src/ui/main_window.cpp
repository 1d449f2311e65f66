#include "ui/main_window.h"

#include "pages/shown_page.h"
#include "preview/preview_state.h"
#include "settings/settings.h"
#include "ui/focus_lost_queue.h"
#include "ui/main_menu.h"
#include "ui/program_panel.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Client-area layout in pixels. The pages' controls are placed for a preview at this place.
constexpr QSize kClientSize(800, 590);
constexpr QRect kPreviewRect(532, 43, 250, 428);
constexpr int kBorder = 7;
constexpr QSize kButtonSize(88, 25);
// The row of the Close button below the scrolled part, and what scrolls at the start size.
constexpr int kButtonRow = kButtonSize.height() + 2 * kBorder - 1;
constexpr QSize kContentSize(kClientSize.width(), kClientSize.height() - kButtonRow);
// Small enough for a laptop screen at 150% scaling, with the title bar.
constexpr QSize kSmallestSize(360, 260);

const char* const kPageCaptions[kPageCount] = {"Posts", "Manual", "Rails", "Configurations"};

QWidget* placeholderPage()
{
    auto* page = new QWidget;
    auto* note = new QLabel(QStringLiteral("This page is not built yet."), page);
    note->setEnabled(false);
    note->move(16, 16);
    return page;
}

} // namespace

MainWindow::MainWindow(const QString& title, PageId startPage, const QIcon& icon, Messages& messages,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages), askedDialogs_(this), fileDialogs_(askedDialogs_), menuBar_(new QMenuBar(this)),
      menu_(nullptr), scroll_(new QScrollArea(this)), content_(new QWidget),
      tabs_(new QTabWidget(content_)), closeButton_(new QPushButton(QStringLiteral("Close"), this)),
      startPage_(startPage == PageId::None ? PageId::Posts : startPage)
{
    setObjectName(QStringLiteral("KorvantaClassName"));
    setWindowTitle(title);
    setWindowIcon(icon);
    menu_ = new MainMenu(*this, menuBar_);
    // A page not built yet shows a placeholder; setPage puts a page's binding in its place.
    for (const char* caption : kPageCaptions)
        tabs_->addTab(placeholderPage(), QString::fromLatin1(caption));

    // The preview's home window comes from the machine table once, before the panel exists.
    previewView().setHomeFromTable(gs.table.x, gs.table.y, gs.table.w, gs.table.h, gs.table.b);
    preview_ = new PreviewFrame(content_);
    preview_->raise();
    programPanel_ = new ProgramPanel(content_, preview_);
    addViewAction(programPanel_->viewAction());
    content_->setMinimumSize(kContentSize);
    content_->resize(kContentSize);
    content_->installEventFilter(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content_);

    // A click on a tab or on Close first takes the focus from the field being edited, so that
    // the field is checked before its page is left.
    tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    tabs_->tabBar()->installEventFilter(this);
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::close);
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(pageNumber(startPage_));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);

    setMinimumSize(kSmallestSize);
    resize(kClientSize.width(), kClientSize.height() + menuBar_->sizeHint().height());
    layOut();
    layOutContent();
}

void MainWindow::setPage(PageId page, QWidget* widget, PageHooks pageHooks)
{
    const QSignalBlocker blocker(tabs_);
    const int tab = pageNumber(page);
    const int current = tabs_->currentIndex();
    QWidget* old = tabs_->widget(tab);
    tabs_->removeTab(tab);
    tabs_->insertTab(tab, widget, QString::fromLatin1(kPageCaptions[tab]));
    tabs_->setCurrentIndex(current);
    delete old;
    hooks(page) = std::move(pageHooks);
}

QWidget* MainWindow::page(PageId page) const
{
    return tabs_->widget(pageNumber(page));
}

QAbstractButton* MainWindow::fileButton(PageId page, FileAction action) const
{
    if (page == PageId::None)
        return nullptr;
    return fileButtons_[static_cast<size_t>(pageNumber(page))].button(action);
}

void MainWindow::addViewAction(QAction* action)
{
    menu_->addViewAction(action);
}

void MainWindow::layOut()
{
    const QSize client = size();
    const int menuHeight = menuBar_->sizeHint().height();
    const int buttonTop = client.height() - kBorder - kButtonSize.height();
    menuBar_->setGeometry(0, 0, client.width(), menuHeight);
    scroll_->setGeometry(0, menuHeight, client.width(), std::max(0, client.height() - menuHeight - kButtonRow));
    closeButton_->setGeometry(QRect(QPoint(client.width() - kBorder - kButtonSize.width(), buttonTop), kButtonSize));
}

// The scrolled part as the whole client area was laid out before it scrolled.
void MainWindow::layOutContent()
{
    const QSize client = content_->size();
    const int grownX = client.width() - kContentSize.width();
    const int grownY = client.height() - kContentSize.height();
    tabs_->setGeometry(kBorder, kBorder, client.width() - 2 * kBorder, client.height() - kBorder);
    preview_->setGeometry(kPreviewRect.adjusted(0, 0, std::max(0, grownX), std::max(0, grownY)));
    programPanel_->place(preview_->geometry());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownPage_ == PageId::None)
        activate(startPage_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The field left by this click is checked while its page is still shown; a refusal keeps
    // the page, as the box takes the click.
    if (watched == tabs_->tabBar() && event->type() == QEvent::MouseButtonPress) {
        const int tab = tabs_->tabBar()->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (tab < 0 || tab == tabs_->currentIndex())
            return !FocusLostQueue::instance().flush();
        return !checkFieldLeavingPage(shownPage_);
    }
    if (watched == content_ && event->type() == QEvent::Resize)
        layOutContent();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::onTabChanged(int index)
{
    const PageId page = pageFromNumber(index);
    if (page == shownPage_ || page == PageId::None)
        return;
    const PageId left = shownPage_;
    if (left != PageId::None) {
        // The page being left stays in view while it decides, so that no other page shows behind
        // its messages.
        showTab(left);
        if (!checkFieldLeavingPage(left) || !mayLeave(left)) {
            tellLeaving(left, false);
            return;
        }
        showTab(page);
    }
    activate(page);
}

void MainWindow::showTab(PageId page)
{
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(pageNumber(page));
}

bool MainWindow::checkFieldLeavingPage(PageId page)
{
    tellLeaving(page, true);
    if (FocusLostQueue::instance().flush())
        return true;
    tellLeaving(page, false);
    return false;
}

void MainWindow::tellLeaving(PageId page, bool underway)
{
    if (page == PageId::None)
        return;
    if (const auto& tell = hooks(page).leavingUnderway)
        tell(underway);
}

bool MainWindow::mayLeave(PageId page)
{
    const auto& leaving = hooks(page).leaving;
    return !leaving || leaving();
}

void MainWindow::activate(PageId page)
{
    shownPage_ = page;
    // Only the shown cutting page draws; Configurations shows no preview at all.
    enterPage(page);
    preview_->setVisible(page != PageId::Configurations);
    programPanel_->setSource(hooks(page).program);
    menu_->pageShown(page);
    if (const auto& shown = hooks(page).shown)
        shown();
}

void MainWindow::showPage(PageId page)
{
    if (page != PageId::None)
        tabs_->setCurrentIndex(pageNumber(page));
}

void MainWindow::closeWindow()
{
    close();
}

void MainWindow::minimizeWindow()
{
    showMinimized();
}

void MainWindow::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The field left for the Close button is checked first; a refusal keeps the window open.
    if (!closed_ && !FocusLostQueue::instance().flush()) {
        event->ignore();
        return;
    }
    // Configurations stores only while it is shown: once left, it was stored, and since then a Load
    // may have changed the settings it would store again. A refused store keeps the window open.
    if (!closed_ && shownPage_ == PageId::Configurations && storeConfigurations_ && !storeConfigurations_()) {
        event->ignore();
        return;
    }
    closed_ = true;
    event->accept();
}
