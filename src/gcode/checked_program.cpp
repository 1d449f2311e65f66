#include "gcode/checked_program.h"

#include "platform/messages.h"
#include "verify/program_check.h"

bool programPassesItsCheck(const ProgramOutput& out, const Settings& settings, Messages& messages,
                           ProgramReport& report)
{
    report = verifyProgram(out.bytes(), machineFromSettings(settings), libraryFromLists());
    if (report.problems().empty())
        return true;
    const Problem& first = report.problems().front();
    messages.show("The program failed its check at line " + std::to_string(first.line) + ": " + first.text);
    return false;
}

bool saveCheckedProgram(const ProgramOutput& out, const std::string& path, const Settings& settings,
                        Messages& messages)
{
    ProgramReport report;
    return programPassesItsCheck(out, settings, messages, report) && saveOutput(out, path, messages);
}
