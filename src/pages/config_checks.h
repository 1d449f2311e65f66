#pragma once

#include "platform/form.h"

class Messages;

namespace config {

// Every number field the Configurations page shows and can be typed in, checked against its rule
// before the page stores anything: a text the page could not store is refused with the field's
// message and the focus, rather than kept on screen beside the old value. Counts are held to the
// range a program can be written with. False at the first field that fails.
bool checkConfigFields(Form& form, Messages& messages);

} // namespace config
