#include "ui/recent_programs.h"

#include "setupfile/load_state.h"
#include "ui/text.h"
#include "ui/user_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kKey = QStringLiteral("recentPrograms");

std::vector<std::string> storedPaths()
{
    std::vector<std::string> paths;
    for (const QString& path : UserSettings().value(kKey).toStringList())
        paths.push_back(fromQt(path));
    return paths;
}

} // namespace

RecentPrograms::RecentPrograms() : list_(storedPaths())
{
    setTapFileListener([this](const std::string& path) { add(path); });
}

RecentPrograms::~RecentPrograms()
{
    setTapFileListener(nullptr);
}

void RecentPrograms::add(const std::string& path)
{
    list_.add(fromQt(QDir::toNativeSeparators(QFileInfo(toQt(path)).absoluteFilePath())));
    store();
}

bool RecentPrograms::dropIfMissing(const std::string& path)
{
    if (!list_.dropIfMissing(path))
        return false;
    store();
    return true;
}

void RecentPrograms::store()
{
    QStringList paths;
    for (const std::string& path : list_.paths())
        paths.append(toQt(path));
    UserSettings().setValue(kKey, paths);
    if (changed_)
        changed_();
}
