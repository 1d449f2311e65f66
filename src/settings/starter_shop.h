#pragma once

#include <string>

class Messages;

// A shop folder that holds no korvanta.ini yet, made ready to lay out and run a job on its first
// day: the settings of a one-head machine with sound values, its program and job folders, and
// small libraries of post materials, rail mortise hole types and bits. Nothing is written over a
// file that is there. False, after the message that names the file, when the settings file
// could not be written.
bool makeStarterShop(Messages& messages);

// The starter settings into gs, with the given program and job folders (for tests too).
void useStarterSettings(const std::string& programFolder, const std::string& jobFolder);

// Where a new shop's programs and job list go: "C:\Qelmar" and "C:\Qelmar\AutoRun" on Windows
// when the controller's folder is there, else the folders tap and jobs in the shop folder.
struct StarterFolders {
    std::string programs;
    std::string jobs;
};
StarterFolders starterFolders();
