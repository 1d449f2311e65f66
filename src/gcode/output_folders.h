#pragma once

#include <string>

class Messages;

// Checked before a Run writes anything, so that a refused Run leaves both folders as they were.
// True when the folder of the page's program and the job folder exist and take files; otherwise
// shows "Please check the path under the configuration tab" with the first failing folder and
// the system's reason on a second line.
bool checkOutputFolders(const std::string& programFolder, const std::string& jobFolder, Messages& messages);
// The same for one folder.
bool checkOutputFolder(const std::string& folder, Messages& messages);
