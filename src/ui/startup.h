#pragma once

#include "settings/start_values.h"

#include <QIcon>
#include <QString>

#include <functional>
#include <string>

class MainWindow;
class Messages;

// "<application name> <version>"; without a name of its own the program is called Korvanta.
QString windowTitle();
// The icon named by the settings when it loads, none when it does not, else the built-in one.
QIcon chooseWindowIcon();

// Shows the main window and returns when the user has closed it.
using RunWindow = std::function<void(MainWindow&)>;

// What start-up does in a folder that holds no settings file: refuse, so that the ending writes
// the defaults for the next start, or make a starter shop there and open it on Configurations. A
// shop folder named on the command line is the user's own, often new, so it gets a starter shop.
enum class MissingSettings { Refuse, StarterShop };

// Start-up after the single-instance check, and the ending: the start values, the settings
// file, the main window on the last page shown (not when the settings could not be read), and
// the settings file written back. Returns the exit code.
int runProgram(Messages& messages, const std::string& workingDir, const RunWindow& runWindow,
               MissingSettings missing = MissingSettings::Refuse);
