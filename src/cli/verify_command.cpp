#include "cli/verify_command.h"

#include "cli/console_messages.h"
#include "cli/verify_report.h"
#include "platform/text_compare.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "settings/start_values.h"
#include "settings/text_helpers.h"
#include "verify/hole_sizes.h"
#include "verify/verify_machine.h"

#include <ostream>

namespace {

// The bit the setup header names on its "[config2=" line, empty when it names none.
std::string headerBitName(const std::string& program)
{
    const std::string key = "[CONFIG2=B\"";
    for (size_t start = 0; start < program.size();) {
        size_t end = program.find('\n', start);
        if (end == std::string::npos)
            end = program.size();
        if (startsWithNoCase(std::string_view(program).substr(start, end - start), key)) {
            const size_t close = program.find('"', start + key.size());
            if (close != std::string::npos && close < end)
                return program.substr(start + key.size(), close - start - key.size());
        }
        start = end + 1;
    }
    return {};
}

// The named bit's diameter from the bit library; the settings' bit when the library has none.
double bitFor(const std::string& program, bool libraryRead)
{
    std::string name = headerBitName(program);
    TrimSpaces(name);
    for (const BitRecord& bit : libraryRead && !name.empty() ? bitList : std::vector<BitRecord>{}) {
        std::string listed = bit.name;
        TrimSpaces(listed);
        if (compareNoCase(listed, name) == 0)
            return bit.diameter;
    }
    return gs.bit;
}

VerifiedProgram verifyFile(const std::string& path, const VerifyRequest& request, bool libraryRead,
                           const ShopLibrary& library)
{
    VerifiedProgram result;
    result.name = path;
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return result;
    result.readable = true;
    VerifyMachine machine = machineFromSettings(gs);
    machine.bitDiameter = request.bit ? *request.bit : bitFor(bytes, libraryRead);
    result.bit = machine.bitDiameter;
    result.report = verifyProgram(bytes, machine, library);
    return result;
}

} // namespace

int runVerify(const VerifyRequest& request, std::ostream& out, std::ostream& err)
{
    ConsoleMessages messages(err);
    setStartValues(absolutePath(request.home));
    if (!ReadIniFile(messages)) {
        messages.show("Unable to read KORVANTA.INI file.", MessageIcon::None);
        return 1;
    }
    const bool libraryRead = !request.bit && LoadSaveFile(LibraryKind::Bits);
    ShopLibrary library;
    library.read = LoadSaveFile(LibraryKind::Holes);
    library.holes = holeList;
    if (LoadSaveFile(LibraryKind::Materials))
        library.materials = materialList;
    std::vector<VerifiedProgram> programs;
    bool clean = true;
    for (const std::string& path : request.programs) {
        programs.push_back(verifyFile(path, request, libraryRead, library));
        clean = clean && programs.back().readable && programs.back().report.problems().empty();
    }
    if (request.json)
        printJson(programs, out);
    else
        printText(programs, out);
    return clean ? 0 : 1;
}
