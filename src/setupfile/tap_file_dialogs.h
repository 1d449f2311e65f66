#pragma once

class FileDialogs;

// Let the user choose a tap file, opening in gs.path. On a choice, gs.path becomes its folder and
// filename its name, and the result is true; Cancel changes nothing.
bool askSaveTapFile(FileDialogs& dialogs);
bool askOpenTapFile(FileDialogs& dialogs);
