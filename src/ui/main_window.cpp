#include "ui/main_window.h"

#include "preview/handover.h"
#include "preview/preview_state.h"
#include "settings/settings.h"
#include "ui/focus_lost_queue.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Client-area layout in pixels. The pages' controls are placed for a preview at this place.
constexpr QSize kClientSize(800, 590);
constexpr QRect kPreviewRect(532, 43, 250, 428);
constexpr int kBorder = 7;
constexpr QSize kButtonSize(88, 25);

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

MainWindow::MainWindow(const QString& title, int startPage, const QIcon& icon, Messages& messages,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages), fileDialogs_(this), tabs_(new QTabWidget(this)),
      closeButton_(new QPushButton(QStringLiteral("Close"), this)),
      startPage_(startPage >= 0 && startPage < kPageCount ? startPage : kPostsPage)
{
    setObjectName(QStringLiteral("KorvantaClassName"));
    setWindowTitle(title);
    setWindowIcon(icon);
    // A page not built yet shows a placeholder; setPage puts a page's binding in its place.
    for (const char* caption : kPageCaptions)
        tabs_->addTab(placeholderPage(), QString::fromLatin1(caption));

    // The preview's home window comes from the machine table once, before the panel exists.
    previewView().setHomeFromTable(gs.table.x, gs.table.y, gs.table.w, gs.table.h, gs.table.b);
    preview_ = new PreviewFrame(this);
    preview_->raise();

    // A click on a tab or on Close first takes the focus from the field being edited, so that
    // the field is checked before its page is left.
    tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    tabs_->tabBar()->installEventFilter(this);
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::close);
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(startPage_);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);

    setMinimumSize(kClientSize);
    resize(kClientSize);
    layOut();
}

void MainWindow::setPage(int page, QWidget* widget, PageHooks hooks)
{
    const QSignalBlocker blocker(tabs_);
    const int current = tabs_->currentIndex();
    QWidget* old = tabs_->widget(page);
    tabs_->removeTab(page);
    tabs_->insertTab(page, widget, QString::fromLatin1(kPageCaptions[page]));
    tabs_->setCurrentIndex(current);
    delete old;
    hooks_[static_cast<size_t>(page)] = std::move(hooks);
}

QWidget* MainWindow::page(int page) const
{
    return tabs_->widget(page);
}

void MainWindow::layOut()
{
    const QSize client = size();
    const int grownX = client.width() - kClientSize.width();
    const int grownY = client.height() - kClientSize.height();
    const int buttonTop = client.height() - kBorder - kButtonSize.height();
    tabs_->setGeometry(kBorder, kBorder, client.width() - 2 * kBorder, buttonTop - 2 * kBorder + 1);
    closeButton_->setGeometry(QRect(QPoint(client.width() - kBorder - kButtonSize.width(), buttonTop), kButtonSize));
    preview_->setGeometry(kPreviewRect.adjusted(0, 0, std::max(0, grownX), std::max(0, grownY)));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownPage_ < 0)
        activate(startPage_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The field left by this click is checked while its page is still shown; a refusal keeps
    // the page, as the box takes the click.
    if (watched == tabs_->tabBar() && event->type() == QEvent::MouseButtonPress)
        return !FocusLostQueue::instance().flush();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::onTabChanged(int index)
{
    if (index == shownPage_ || index < 0)
        return;
    const int left = shownPage_;
    const bool fieldRefused = !FocusLostQueue::instance().flush();
    if (left >= 0 && (fieldRefused || !mayLeave(left))) {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(left);
        return;
    }
    activate(index);
}

bool MainWindow::mayLeave(int page)
{
    const auto& leaving = hooks_[static_cast<size_t>(page)].leaving;
    return !leaving || leaving();
}

void MainWindow::activate(int page)
{
    shownPage_ = page;
    gs.lastpage = page;
    // Only the shown cutting page draws; Configurations shows no preview at all.
    activePage = static_cast<PageId>(page);
    preview_->setVisible(page != kConfigurationsPage);
    if (page == kConfigurationsPage)
        configurationsShown_ = true;
    if (const auto& shown = hooks_[static_cast<size_t>(page)].shown)
        shown();
}

void MainWindow::showPage(int page)
{
    if (page >= 0 && page < kPageCount)
        tabs_->setCurrentIndex(page);
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
    if (!closed_ && configurationsShown_ && storeConfigurations_)
        storeConfigurations_();
    closed_ = true;
    event->accept();
}
