#include "gcode/checked_program.h"

#include "platform/messages.h"
#include "setupfile/current_tap_file.h"
#include "verify/program_check.h"

bool saveCheckedProgram(const ProgramOutput& out, Messages& messages)
{
    const ProgramReport report = verifyProgram(out.bytes(), machineFromSettings(), libraryFromLists());
    if (!report.problems().empty()) {
        const Problem& first = report.problems().front();
        messages.show("The program failed its check at line " + std::to_string(first.line) + ": " + first.text);
        return false;
    }
    return saveToCurrentTapFile(out, messages);
}
