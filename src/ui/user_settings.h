#pragma once

#include <QSettings>

// What the program remembers per user, apart from the shop's korvanta.ini (whose format stays):
// the window's place and the recent programs, in the user's Korvanta/Korvanta settings.
class UserSettings : public QSettings {
public:
    UserSettings() : QSettings(QStringLiteral("Korvanta"), QStringLiteral("Korvanta")) {}
};
