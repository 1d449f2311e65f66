#include "support/run_process.h"

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

int runCommand(const std::string& commandLine)
{
    const int status = std::system(commandLine.c_str());
#ifdef _WIN32
    return status;
#else
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

std::string quoted(const std::string& argument)
{
    std::string out = "\"";
    for (char c : argument) {
        if (c == '"' || c == '\\' || c == '$' || c == '`')
            out += '\\';
        out += c;
    }
    return out + "\"";
}
