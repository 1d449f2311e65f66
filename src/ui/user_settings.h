#pragma once

#include <QSettings>

// What the program remembers per user, apart from the shop's korvanta.ini (whose format stays):
// the window's place and the recent programs, in the user's Korvanta/Korvanta settings.
class UserSettings : public QSettings {
public:
    // The default format is the platform's (on Windows the registry, under the key
    // Software\Korvanta\Korvanta of the current user) unless a test chose files of its own.
    UserSettings()
        : QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Korvanta"), QStringLiteral("Korvanta"))
    {
    }
};
