#include "cli/verify_report.h"

#include "settings/numbers.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

std::string jsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void printJsonProgram(const VerifiedProgram& program, std::ostream& out)
{
    out << "{\"program\":" << jsonString(program.name) << ",\"readable\":" << (program.readable ? "true" : "false");
    if (program.readable) {
        const ProgramReport& report = program.report;
        out << ",\"bit\":" << formatFixed(program.bit, 3) << ",\"holes\":" << report.holes
            << ",\"cuttingSeconds\":" << formatFixed(report.cuttingSeconds, 1) << ",\"cuttingTime\":\""
            << minutesAndSeconds(report.cuttingSeconds) << "\",\"problems\":[";
        const char* separator = "";
        for (const Problem& problem : report.problems()) {
            out << separator << "{\"line\":" << problem.line << ",\"text\":" << jsonString(problem.text) << "}";
            separator = ",";
        }
        out << "]";
        if (!report.note.empty())
            out << ",\"note\":" << jsonString(report.note);
    }
    out << "}";
}

} // namespace

std::string minutesAndSeconds(double seconds)
{
    const long long whole = std::isfinite(seconds) && seconds > 0 ? std::llround(seconds) : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", whole / 60, whole % 60);
    return text;
}

void printText(const std::vector<VerifiedProgram>& programs, std::ostream& out)
{
    for (const VerifiedProgram& program : programs) {
        if (!program.readable) {
            out << program.name << ": cannot be read\n";
            continue;
        }
        const ProgramReport& report = program.report;
        for (const Problem& problem : report.problems())
            out << program.name << ':' << problem.line << ": " << problem.text << '\n';
        if (!report.note.empty())
            out << program.name << ": note: " << report.note << '\n';
        out << program.name << ": " << report.holes << " holes, " << report.problems().size()
            << " problems, cutting time " << minutesAndSeconds(report.cuttingSeconds) << '\n';
    }
}

void printJson(const std::vector<VerifiedProgram>& programs, std::ostream& out)
{
    bool clean = true;
    out << "{\"programs\":[";
    const char* separator = "";
    for (const VerifiedProgram& program : programs) {
        out << separator;
        printJsonProgram(program, out);
        separator = ",";
        clean = clean && program.readable && program.report.problems().empty();
    }
    out << "],\"clean\":" << (clean ? "true" : "false") << "}\n";
}
