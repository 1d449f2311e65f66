#pragma once

#include <string>

// Filling the two hole lists of a page from a 10 MB hole library written into folder, as a page
// shown does: registered as "lists/10MB-library".
void registerListFilling(const std::string& folder);
