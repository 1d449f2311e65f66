// The program reader and its checks on any bytes, as korvanta-cli verify reads a customer's or an
// old program: on a two-head machine with a table, so that every check has something to judge.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "verify/program_check.h"
#include "verify/program_line.h"
#include "verify/same_line.h"

#include <algorithm>
#include <cmath>

namespace {

VerifyMachine twoHeadMachine()
{
    VerifyMachine machine;
    machine.heads = 2;
    machine.headChars = "ZW";
    machine.spindleCommands = {"M3", "M5"};
    machine.toolLine = "T1";
    machine.bitDiameter = 0.5;
    machine.hasTable = true;
    machine.tableMinX = -1;
    machine.tableMinY = -1;
    machine.tableMaxX = 100;
    machine.tableMaxY = 60;
    return machine;
}

} // namespace

int fuzzVerifyProgram(const uint8_t* data, size_t size)
{
    static const VerifyMachine machine = twoHeadMachine();
    const std::string_view text = asText(data, size);
    const ProgramReport report = verifyProgram(text, machine);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    int previous = 0;
    for (const Problem& problem : report.problems()) {
        fuzzCheck(problem.line >= previous, "problems come in line order");
        fuzzCheck(!problem.text.empty(), "every problem says what it is");
        fuzzCheck(problem.line <= lines, "every problem is at a line of the program");
        previous = problem.line;
    }
    fuzzCheck(!std::isnan(report.cuttingSeconds) && report.cuttingSeconds >= 0,
              "the cutting time is a time");
    static const VerifyMachine plain = machine.withPlainCommands();
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        fuzzCheck(sameLine(readProgramLine(line, plain), readProgramLineGenerally(line, plain)),
                  "the shortcut for plain moves reads every line as the general reader does");
        start = end + 1;
    }
    return 0;
}
