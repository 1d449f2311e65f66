#pragma once

#include "platform/form.h"
#include "settings/files.h"
#include "settings/library_records.h"

#include <initializer_list>
#include <string>
#include <vector>

class Messages;

enum class LibraryKind { Materials = 0, Holes = 1, Bits = 2 };
enum class RemoveResult { Removed, NotFound, NoName, Cancelled, CannotOpen };

// The libraries as last loaded, shared by every page; each keeps every record of its file.
extern std::vector<MaterialRecord> materialList;
extern std::vector<HoleRecord> holeList;
extern std::vector<BitRecord> bitList;
// The material and hole type shown on the Configurations page. The current bit is gs.bitname
// with gs.bit.
extern MaterialRecord currentMaterial;
extern HoleRecord currentHole;

// A list control to fill with a library's names.
struct ListTarget {
    Form& form;
    ControlId id;
};

std::string libraryFilePath(LibraryKind kind);

// Reads the library file into its list and adds every name, with its record index, to the given
// list controls. False, leaving the list as it was, when the file cannot be opened.
bool LoadSaveFile(LibraryKind kind, const std::vector<ListTarget>& targets = {});
// Stores the current record of the kind, asking before it replaces a record of the same name.
// False, with the file and the reason, when the file cannot be written; the old file is then
// unchanged.
WriteResult AddToSaveFile(LibraryKind kind, Messages& messages);
// Removes the record that has the current record's name, after asking. On CannotOpen, failure
// (when given) tells the file and the reason.
RemoveResult RemoveFromSaveFile(LibraryKind kind, Messages& messages, WriteResult* failure = nullptr);

// Library file images, with the line-end translation of text files: each LF byte of a record is
// stored as CR LF; on reading CR LF gives LF, and bytes 26 that end the file are dropped.
std::string toLibraryFileBytes(std::string_view images);
std::string fromLibraryFileBytes(std::string_view bytes);

void resetLibraries();
