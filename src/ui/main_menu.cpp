#include "ui/main_menu.h"

#include "pages/job_flow.h"
#include "platform/messages.h"
#include "settings/settings.h"
#include "settings/start_values.h"
#include "ui/button_press.h"
#include "ui/main_window.h"
#include "ui/text.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const char* const kPageCaptions[kPageCount] = {"&Posts", "&Manual", "&Rails", "&Configurations"};

QAction* addAction(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

// A menu entry shows "&" doubled, and the number before the path is its Alt key.
QString recentCaption(int number, const std::string& path)
{
    QString shown = toQt(path);
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

} // namespace

MainMenu::MainMenu(MainWindow& window, QMenuBar* bar) : QObject(bar), window_(window)
{
    buildFile(bar);
    buildEdit(bar);
    buildView(bar);
    buildHelp(bar);
    recent_.onChanged([this] { fillRecent(); });
    fillRecent();
}

void MainMenu::buildFile(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    const std::pair<FileAction, QAction*> actions[] = {
        {FileAction::Load, addAction(file, QStringLiteral("&Load…"), QKeySequence(Qt::CTRL | Qt::Key_O))},
        {FileAction::Save, addAction(file, QStringLiteral("&Save…"), QKeySequence(Qt::CTRL | Qt::Key_S))},
        {FileAction::Run, addAction(file, QStringLiteral("&Run"), QKeySequence(Qt::Key_F5))},
        // Clear keeps its button's Alt+C only: a second key for it would be one more to press by mistake.
        {FileAction::Clear, addAction(file, QStringLiteral("&Clear"))},
    };
    for (const auto& [which, action] : actions) {
        fileActions_[static_cast<size_t>(which)] = action;
        connect(action, &QAction::triggered, this, [this, which = which] { press(which); });
    }
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("Recent &Programs"));
    file->addSeparator();
    closeAction_ = addAction(file, QStringLiteral("Cl&ose"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(closeAction_, &QAction::triggered, this, [this] { pressAsClicked(window_.closeButton()); });
}

void MainMenu::buildEdit(QMenuBar* bar)
{
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    undoAction_ = addAction(edit, QStringLiteral("&Undo"), QKeySequence::Undo);
    connect(edit, &QMenu::aboutToShow, this, &MainMenu::showUndoName);
    // The shortcut works while the menu is closed: the action is on whenever a cutting page is.
    connect(edit, &QMenu::aboutToHide, this, [this] { undoAction_->setEnabled(onCuttingPage()); });
    connect(undoAction_, &QAction::triggered, this, &MainMenu::undo);
}

// "Undo Clear" or "Undo Load", as the page's last one was; off when there is nothing to undo.
void MainMenu::showUndoName()
{
    JobFlow* flow = window_.jobFlow(window_.currentPage());
    const std::string name = flow ? flow->undoName() : std::string();
    undoAction_->setText(name.empty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo %1").arg(toQt(name)));
    undoAction_->setEnabled(!name.empty());
}

void MainMenu::undo()
{
    if (JobFlow* flow = window_.jobFlow(window_.currentPage()))
        flow->undo();
}

void MainMenu::buildView(QMenuBar* bar)
{
    viewMenu_ = bar->addMenu(QStringLiteral("Vie&w"));
    // Actions added with addViewAction go above this line, the pages below it.
    pagesTop_ = viewMenu_->addSeparator();
    auto* group = new QActionGroup(this);
    for (int number = 0; number < kPageCount; ++number) {
        const PageId page = pageFromNumber(number);
        QAction* action = addAction(viewMenu_, QString::fromLatin1(kPageCaptions[number]),
                                    QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_1 + number))));
        action->setCheckable(true);
        group->addAction(action);
        pageActions_[static_cast<size_t>(number)] = action;
        connect(action, &QAction::triggered, this, [this, page] { showPageAsTabClick(page); });
    }
}

void MainMenu::buildHelp(QMenuBar* bar)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    aboutAction_ = addAction(help, QStringLiteral("&About Korvanta"));
    connect(aboutAction_, &QAction::triggered, this, &MainMenu::showAbout);
}

void MainMenu::addViewAction(QAction* action)
{
    viewMenu_->insertAction(pagesTop_, action);
}

bool MainMenu::onCuttingPage() const
{
    const PageId page = window_.currentPage();
    return page != PageId::Configurations && page != PageId::None;
}

void MainMenu::pageShown(PageId page)
{
    const bool cutting = page != PageId::Configurations && page != PageId::None;
    for (QAction* action : fileActions_)
        action->setEnabled(cutting);
    undoAction_->setEnabled(cutting);
    recentMenu_->menuAction()->setEnabled(cutting && !recent_.paths().empty());
    if (page != PageId::None)
        pageAction(page)->setChecked(true);
}

void MainMenu::press(FileAction action)
{
    if (onCuttingPage())
        pressAsClicked(window_.fileButton(window_.currentPage(), action));
}

// The tab bar takes the focus first, as a click on a tab does, so that the field being left is
// checked while its page is still shown.
void MainMenu::showPageAsTabClick(PageId page)
{
    window_.tabs()->tabBar()->setFocus(Qt::MouseFocusReason);
    window_.showPage(page);
    pageAction(window_.currentPage())->setChecked(true);
}

void MainMenu::fillRecent()
{
    recentMenu_->clear();
    int number = 0;
    for (const std::string& path : recent_.paths()) {
        QAction* action = recentMenu_->addAction(recentCaption(++number, path));
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    recentMenu_->menuAction()->setEnabled(onCuttingPage() && number > 0);
}

void MainMenu::openRecent(const std::string& path)
{
    if (!onCuttingPage())
        return;
    if (recent_.dropIfMissing(path)) {
        window_.messages().show("The program " + path + " no longer exists. It is taken off Recent Programs.");
        return;
    }
    window_.presetFileDialogs().presetOpen(path);
    pressAsClicked(window_.fileButton(window_.currentPage(), FileAction::Load));
    window_.presetFileDialogs().clearPreset();
}

void MainMenu::showAbout()
{
    window_.messages().show(std::string("Korvanta ") + kVersion + "\nShop folder: " + homeDir + "\nQt " + qVersion());
}
