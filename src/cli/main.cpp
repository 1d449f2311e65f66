// korvanta-cli: Korvanta's program generation from the command line.
#include "cli/generate_command.h"
#include "settings/start_values.h"

#include <cstring>
#include <iostream>

namespace {

const char* const kUsage =
    "Usage: korvanta-cli generate SOURCE.tap --out TARGET.tap [--home DIR]\n"
    "       korvanta-cli --help | --version\n"
    "\n"
    "Regenerates the program SOURCE.tap on this machine's settings and libraries, as loading it\n"
    "on the page that wrote it and saving it again would, and writes it to TARGET.tap.\n"
    "DIR holds korvanta.ini and the libraries (default: the current directory).\n"
    "Exit status: 0 written, 1 failed (the reasons go to standard error), 2 wrong usage.\n";

bool parseGenerate(int argc, char** argv, GenerateRequest& request)
{
    request.home = ".";
    for (int i = 2; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--out") == 0 && hasValue)
            request.target = argv[++i];
        else if (std::strcmp(argv[i], "--home") == 0 && hasValue)
            request.home = argv[++i];
        else if (argv[i][0] != '-' && request.source.empty())
            request.source = argv[i];
        else
            return false;
    }
    return !request.source.empty() && !request.target.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "korvanta-cli " << kVersion << '\n';
        return 0;
    }
    GenerateRequest request;
    if (argc < 2 || std::strcmp(argv[1], "generate") != 0 || !parseGenerate(argc, argv, request)) {
        std::cerr << kUsage;
        return 2;
    }
    return runGenerate(request, std::cerr);
}
