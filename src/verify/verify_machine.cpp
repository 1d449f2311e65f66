#include "verify/verify_machine.h"

#include "platform/text_compare.h"
#include "settings/library_files.h"
#include "verify/hole_sizes.h"
#include "settings/settings.h"
#include "settings/text_helpers.h"

#include <algorithm>
#include <cctype>

bool VerifyMachine::lettered() const
{
    return !headChars.empty() && std::isalpha(static_cast<unsigned char>(headChars[0])) != 0;
}

int VerifyMachine::headOf(char c) const
{
    for (int head = 0; head < heads && head < static_cast<int>(headChars.size()); ++head) {
        if (asciiUpper(headChars[static_cast<size_t>(head)]) == asciiUpper(c))
            return head;
    }
    return -1;
}

VerifyMachine VerifyMachine::withPlainCommands() const
{
    VerifyMachine plain = *this;
    plain.spindleCommands.clear();
    for (std::string command : spindleCommands) {
        TrimSpaces(command);
        if (!command.empty() && std::find(plain.spindleCommands.begin(), plain.spindleCommands.end(), command) ==
                                    plain.spindleCommands.end())
            plain.spindleCommands.push_back(command);
    }
    TrimSpaces(plain.toolLine);
    return plain;
}

VerifyMachine machineFromSettings()
{
    VerifyMachine machine;
    machine.heads = gs.heads;
    machine.headChars = gs.headchars;
    machine.spindleCommands = {gs.head1on,  gs.head2on,  gs.head3on,  gs.head4on,
                               gs.head1off, gs.head2off, gs.head3off, gs.head4off};
    machine.toolLine = gs.toolnumber;
    machine.bitDiameter = gs.bit;
    machine.hasTable = gs.table.w > gs.table.x && gs.table.h > gs.table.y;
    machine.tableMinX = gs.table.x;
    machine.tableMinY = gs.table.y;
    machine.tableMaxX = gs.table.w;
    machine.tableMaxY = gs.table.h;
    return machine;
}

ShopLibrary libraryFromLists()
{
    return ShopLibrary{true, holeList, materialList};
}
