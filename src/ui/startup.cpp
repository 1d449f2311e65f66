#include "ui/startup.h"

#include "platform/messages.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/starter_shop.h"
#include "ui/config_page.h"
#include "ui/main_window.h"
#include "ui/manual_page.h"
#include "ui/posts_page.h"
#include "ui/rails_page.h"
#include "ui/text.h"
#include "ui/window_geometry.h"

#include <QPixmap>

#include <filesystem>

QString windowTitle()
{
    const QString name = gs.appname.empty() ? QStringLiteral("Korvanta") : toQt(gs.appname);
    return name + QLatin1Char(' ') + QLatin1String(kVersion);
}

QIcon chooseWindowIcon()
{
    if (gs.iconpath.empty())
        return QIcon(QStringLiteral(":/korvanta/korvanta.xpm"));
    QPixmap pixmap;
    if (!pixmap.load(toQt(gs.iconpath)))
        return QIcon();
    return QIcon(pixmap.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

int runProgram(Messages& messages, const std::string& workingDir, const RunWindow& runWindow,
               MissingSettings missing)
{
    setStartValues(workingDir);
    bool settingsRead = ReadIniFile(messages);
    std::error_code error;
    const bool newShop = !settingsRead && missing == MissingSettings::StarterShop &&
                         !std::filesystem::exists(iniFilePath(), error) && !error;
    if (newShop)
        settingsRead = makeStarterShop(messages) && ReadIniFile(messages); // as the second start would

    const QIcon icon = chooseWindowIcon();
    if (!settingsRead) {
        messages.show("Unable to read KORVANTA.INI file.");
    } else {
        MainWindow window(windowTitle(), pageFromNumber(gs.lastpage), icon, messages);
        PostsPage posts(window);
        ManualPage manual(window);
        RailsPage rails(window);
        ConfigPage configurations(window);
        if (newShop)
            configurations.logic().greetNewShop();
        restoreWindowGeometry(window);
        runWindow(window);
        storeWindowGeometry(window);
    }
    WriteIniFile(messages);
    return 0;
}
