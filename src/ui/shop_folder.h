#pragma once

#include <string>
#include <vector>

// The shop folder holds korvanta.ini and the libraries, and the program runs in it. It is the
// folder the program starts in, or the one named by "--shop DIR": the desktop entry starts it
// with "--shop ~/Korvanta", since a menu starts programs in no particular folder; on Windows the
// Start-menu entry with --shop "%USERPROFILE%\Documents\Korvanta".
enum class ShopChoice { Current, Entered, CannotEnter, WrongUsage };

// Reads the arguments after the program's name (the toolkit has taken its own). With "--shop DIR"
// it changes into DIR, made first when missing; a leading "~/" is the user's home folder
// (homeFolder, UTF-8), since a desktop entry's command line is not expanded by a shell. On
// Windows "~\" is that too, and "%NAME%" an environment variable's value, since a shortcut's
// arguments are not expanded either. folder names the folder (UTF-8) for a message.
ShopChoice enterShopFolder(const std::vector<std::string>& arguments, const char* homeFolder, std::string& folder);

inline constexpr const char* kShopUsage = "Usage: korvanta [--shop DIR]\n";
