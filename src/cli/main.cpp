// korvanta-cli: Korvanta's program generation from the command line.
#include "cli/generate_command.h"
#include "cli/verify_command.h"
#include "platform/system_text.h"
#include "settings/numbers.h"
#include "settings/start_values.h"
#include "settings/text_helpers.h"

#include <cmath>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: korvanta-cli generate SOURCE.tap --out TARGET.tap [--home DIR] [--shop-settings]\n"
    "       korvanta-cli verify PROGRAM.tap... [--home DIR] [--bit DIAMETER] [--json]\n"
    "       korvanta-cli --help | --version\n"
    "\n"
    "generate regenerates the program SOURCE.tap with this shop's libraries, as loading it on the\n"
    "page that wrote it and saving it again would, and writes it to TARGET.tap: on the settings the\n"
    "program's header records, each one that differs from the shop's told as a note on standard\n"
    "error, or, with --shop-settings, on the shop's own settings.\n"
    "Exit status: 0 written, 1 failed (the reasons go to standard error), 2 wrong usage.\n"
    "\n"
    "verify reads each program as the controller would and prints every problem as\n"
    "PROGRAM:LINE: sentence, then a summary of its holes, problems and cutting time (feeds and\n"
    "plunges; rapids and pauses are not counted). The bit is DIAMETER, else the bit the program's\n"
    "header names in the bit library, else the settings' bit. --json prints one JSON document.\n"
    "Exit status: 0 every program clean, 1 a problem or a program that cannot be read, 2 wrong usage.\n"
    "\n"
    "DIR holds korvanta.ini and the libraries (default: the current directory).\n";

std::string wrongArgument(const char* argument, bool hasValue)
{
    const bool takesValue = std::strcmp(argument, "--out") == 0 || std::strcmp(argument, "--home") == 0 ||
                            std::strcmp(argument, "--bit") == 0;
    if (takesValue && !hasValue)
        return std::string(argument) + " needs a value.";
    if (argument[0] == '-')
        return std::string("unknown option ") + argument + ".";
    return std::string("one source file only: ") + argument + ".";
}

// What is wrong with the command line, for standard error before the usage; empty when it is
// only incomplete.
using UsageError = std::string;

bool refuse(UsageError& error, std::string why)
{
    error = std::move(why);
    return false;
}

bool parseGenerate(int argc, char** argv, GenerateRequest& request, UsageError& error)
{
    request.home = ".";
    for (int i = 2; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--out") == 0 && hasValue)
            request.target = argv[++i];
        else if (std::strcmp(argv[i], "--home") == 0 && hasValue)
            request.home = argv[++i];
        else if (std::strcmp(argv[i], "--shop-settings") == 0)
            request.shopSettings = true;
        else if (argv[i][0] != '-' && request.source.empty())
            request.source = argv[i];
        else
            return refuse(error, wrongArgument(argv[i], hasValue));
    }
    return !request.source.empty() && !request.target.empty();
}

bool parseVerify(int argc, char** argv, VerifyRequest& request, UsageError& error)
{
    for (int i = 2; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--home") == 0 && hasValue) {
            request.home = argv[++i];
        } else if (std::strcmp(argv[i], "--bit") == 0 && hasValue) {
            const std::string value = argv[++i];
            if (!IsNumberText(value, kUnsigned) || !(leadingDouble(value) > 0) || !std::isfinite(leadingDouble(value)))
                return refuse(error, "--bit " + value + ": the bit's diameter must be a number greater than 0.");
            request.bit = leadingDouble(value);
        } else if (std::strcmp(argv[i], "--json") == 0) {
            request.json = true;
        } else if (argv[i][0] != '-') {
            request.programs.push_back(argv[i]);
        } else {
            return refuse(error, wrongArgument(argv[i], hasValue));
        }
    }
    return !request.programs.empty();
}

bool asksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

int usage(const UsageError& error)
{
    if (!error.empty())
        std::cerr << "korvanta-cli: " << error << '\n';
    std::cerr << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments in UTF-8, as every path is kept (on Windows argv has the user's code page).
    std::vector<std::string> utf8 = utf8Arguments(argc, argv);
    std::vector<char*> utf8Argv{argv[0]};
    for (std::string& argument : utf8)
        utf8Argv.push_back(argument.data());
    utf8Argv.push_back(nullptr);
    argc = static_cast<int>(utf8.size()) + 1;
    argv = utf8Argv.data();
    if (asksForHelp(argc, argv)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "korvanta-cli " << kVersion << '\n';
        return 0;
    }
    UsageError error;
    if (argc >= 2 && std::strcmp(argv[1], "verify") == 0) {
        VerifyRequest request;
        if (!parseVerify(argc, argv, request, error))
            return usage(error);
        return runVerify(request, std::cout, std::cerr);
    }
    GenerateRequest request;
    if (argc < 2 || std::strcmp(argv[1], "generate") != 0)
        return usage(argc < 2 ? "" : std::string("unknown command ") + argv[1] + ".");
    if (!parseGenerate(argc, argv, request, error))
        return usage(error);
    return runGenerate(request, std::cerr);
}
