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
    const char c = headChars.empty() ? '\0' : asciiUpper(headChars[0]);
    return c >= 'A' && c <= 'Z';
}

int VerifyMachine::headOf(char c) const
{
    if (indexed_)
        return headIndex_[static_cast<unsigned char>(c)];
    for (int head = 0; head < heads && head < static_cast<int>(headChars.size()); ++head) {
        if (asciiUpper(headChars[static_cast<size_t>(head)]) == asciiUpper(c))
            return head;
    }
    return -1;
}

bool VerifyMachine::spindleOrToolBeginsWithG() const
{
    if (indexed_)
        return commandBeginsWithG_;
    const auto beginsWithG = [](const std::string& command) { return !command.empty() && asciiUpper(command[0]) == 'G'; };
    return beginsWithG(toolLine) || std::any_of(spindleCommands.begin(), spindleCommands.end(), beginsWithG);
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
    for (int c = 0; c < 256; ++c)
        plain.headIndex_[static_cast<size_t>(c)] = static_cast<signed char>(headOf(static_cast<char>(c)));
    plain.commandBeginsWithG_ = plain.spindleOrToolBeginsWithG();
    plain.indexed_ = true;
    return plain;
}

VerifyMachine machineFromSettings(const Settings& settings)
{
    VerifyMachine machine;
    machine.heads = settings.heads;
    machine.headChars = settings.headchars;
    machine.spindleCommands = {settings.head1on,  settings.head2on,  settings.head3on,  settings.head4on,
                               settings.head1off, settings.head2off, settings.head3off, settings.head4off};
    machine.toolLine = settings.toolnumber;
    machine.bitDiameter = settings.bit;
    machine.hasTable = settings.table.w > settings.table.x && settings.table.h > settings.table.y;
    machine.tableMinX = settings.table.x;
    machine.tableMinY = settings.table.y;
    machine.tableMaxX = settings.table.w;
    machine.tableMaxY = settings.table.h;
    return machine;
}

ShopLibrary libraryFromLists()
{
    return ShopLibrary{true, holeList, materialList};
}
