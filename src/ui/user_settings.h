#pragma once

#include <QSettings>

// What the program remembers per user, apart from the shop's korvanta.ini (whose format stays):
// the window's place and the recent programs, in the user's Korvanta/Korvanta settings.
class UserSettings : public QSettings {
public:
    // The default format is the platform's (on Windows the registry, HKEY_CURRENT_USER\Software\
    // Korvanta\Korvanta) unless a test chose files of its own.
    UserSettings()
        : QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Korvanta"), QStringLiteral("Korvanta"))
    {
    }
};
