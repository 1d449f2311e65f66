#pragma once

#include "platform/page_id.h"

class QtForm;

// Gives every field and button of a page its tooltip: what the value means, and its unit where
// it has one (lengths are in the machine's units, as the program writes them).
void applyTooltips(QtForm& form, PageId page);
