// Program generation throughput on the largest jobs: our buffered writer (to a file, through the
// temporary file), the same program written the classic way with one fprintf per word, a plain
// write of the finished bytes, and the program read back and checked. Then the time a page takes
// to list a large library, and one redraw of the largest Manual job.
#include "fprintf_output.h"
#include "largest_jobs.h"
#include "list_filling.h"
#include "manual_redraw.h"

#include "gcode/manual_program.h"
#include "gcode/pattern_program.h"
#include "platform/recording_messages.h"
#include "settings/files.h"
#include "verify/program_check.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

namespace {

struct JobCase {
    std::string name;
    std::function<void(ProgramOutput&)> write;
};

// The program file every case is written to, in the bench's folder.
std::string programPath;

RunContext runOf(RailSlope slope = {})
{
    RunContext run;
    run.settings = gs;
    run.slope = slope;
    run.feeds = {gs.cutfeed, gs.plungefeed};
    run.display = 0;
    run.programFolder = gs.path;
    return run;
}

std::vector<JobCase>& jobCases()
{
    static PostJob post;
    static ManualJob manual;
    static RailJob rail;
    static std::vector<JobCase> cases = {
        {"manual", [](ProgramOutput& out) { writeManualProgramTo(out, manual, runOf()); }},
        {"post", [](ProgramOutput& out) { writePostProgramTo(out, post, runOf()); }},
        {"rail", [](ProgramOutput& out) { writeRailProgramTo(out, rail, runOf(RailSlope{1.25f, 0.1875f})); }},
    };
    post = largestPostJob();
    manual = largestManualJob();
    rail = largestRailJob();
    return cases;
}

std::string programBytes(const JobCase& job)
{
    ProgramOutput out;
    job.write(out);
    return out.bytes();
}

bool writeClassic(const JobCase& job, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    FprintfOutput out(file);
    job.write(out);
    return std::fclose(file) == 0;
}

void ours(benchmark::State& state, const JobCase& job, size_t size)
{
    RecordingMessages messages;
    for (auto _ : state) {
            ProgramOutput out;
        job.write(out);
        if (!saveOutput(out, programPath, messages))
            state.SkipWithError("cannot write the program");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

// Reading a program back and checking it, as Run and Save do before the file is replaced.
void verify(benchmark::State& state, const std::string& bytes)
{
    const VerifyMachine machine = machineFromSettings(gs);
    const ShopLibrary library = libraryFromLists();
    for (auto _ : state) {
        const ProgramReport report = verifyProgram(bytes, machine, library);
        if (!report.problems().empty())
            state.SkipWithError(report.problems().front().text.c_str());
        benchmark::DoNotOptimize(report.holes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void classic(benchmark::State& state, const JobCase& job, size_t size)
{
    for (auto _ : state) {
        if (!writeClassic(job, programPath))
            state.SkipWithError("cannot write the program");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void plainWrite(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        std::FILE* file = std::fopen(programPath.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
            state.SkipWithError("cannot write the program");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

// Keeps each run's time per iteration so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korvanta-bench";
    std::filesystem::create_directories(folder);
    useLargestMachine(folder.string());
    programPath = joinPath(folder.string(), "bench.tap");

    std::vector<JobCase>& cases = jobCases();
    static std::vector<std::string> programs;
    for (const JobCase& job : cases) {
        programs.push_back(programBytes(job));
        std::string classicBytes;
        if (!writeClassic(job, programPath) || !readWholeFile(programPath, classicBytes) ||
            classicBytes != programs.back()) {
            std::cerr << "the fprintf baseline does not write the same " << job.name << " program\n";
            return 1;
        }
        std::cout << job.name << " program: " << programs.back().size() << " bytes\n";
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        const JobCase& job = cases[i];
        const size_t size = programs[i].size();
        benchmark::RegisterBenchmark(("ours/" + job.name).c_str(), ours, job, size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("fprintf/" + job.name).c_str(), classic, job, size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("plain-write/" + job.name).c_str(), plainWrite, programs[i])
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("verify/" + job.name).c_str(), verify, programs[i])->Unit(benchmark::kMillisecond);
    }

    registerListFilling(folder.string());
    registerManualRedraw(folder.string());

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const JobCase& job : cases) {
        const double oursTime = reporter.seconds["ours/" + job.name];
        const double classicTime = reporter.seconds["fprintf/" + job.name];
        const double plainTime = reporter.seconds["plain-write/" + job.name];
        if (oursTime <= 0 || plainTime <= 0)
            continue;
        std::printf("%s\n", job.name.c_str());
        std::printf("ratio fprintf/ours: %.2f\n", classicTime / oursTime);
        std::printf("ratio ours/plain-write: %.2f\n", oursTime / plainTime);
    }
    if (const double verified = reporter.seconds["verify/manual"]; verified > 0) {
        std::printf("verify largest manual: %.1f ms\n", verified * 1000);
        // The check runs before every Run and after every change in the program view: it should
        // cost less than writing the program.
        if (const double written = reporter.seconds["ours/manual"]; written > 0)
            std::printf("verify/write ratio: %.2f\n", verified / written);
    }
    if (const double redraw = reporter.seconds[kManualRedrawName]; redraw > 0)
        std::printf("redraw 1000 holes a side: %.1f ms\n", redraw * 1000);
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
