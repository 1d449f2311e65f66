#pragma once

#include "platform/page_id.h"

#include <string_view>

// The "[screen=" line of a setup header names the cutting page that wrote the program.

// "Post", "Manual" or "Rail"; empty for a page that writes no program.
std::string_view screenName(PageId page);
// The page of an upper-cased screen name, of which only the first four letters count; None for
// a name that is none of the three.
PageId screenPage(std::string_view upperName);
