#pragma once

#include "gcode/output/program_output.h"
#include "gcode/output/run_context.h"
#include "platform/page_id.h"

#include <functional>

class Messages;
struct LoadedHeader;

// Why the checks run: Save words some of the hole type messages apart from Run.
enum class CheckPurpose { Run, Save };

// What each cutting page gives the Run, Save, Load and Clear flow the three share (JobFlow): its
// collect, its checks, its writer with its header form, and the filling and emptying of its job.
class CuttingPage {
public:
    virtual ~CuttingPage() = default;

    virtual PageId pageId() const = 0;
    // Reads the page's fields into its job; false after the first field's message.
    virtual bool collectJob() = 0;
    // Every check before anything is written, on the job as it stands: its material and hole types
    // chosen, the settings, every hole type and where every hole is cut. Each refusal is told to
    // reasons.
    virtual bool checkJob(const RunContext& run, CheckPurpose purpose, Messages& reasons) = 0;
    // The whole program of the job, its setup header first.
    virtual void writeProgram(ProgramOutput& out, const RunContext& run) const = 0;
    virtual int sidesCut() const = 0;
    virtual int display() const = 0;
    // The slope the run stretches its holes by; level but on the Rails page.
    virtual RailSlope slope() const { return {}; }

    // Clear's part of the page: its fields and its job emptied.
    virtual void clearJob() = 0;
    // Load's part of the page: its job and fields from the header just read.
    virtual void fillFromHeader(const LoadedHeader& header) = 0;
    // The page as it stands now, to be shown again by calling the result (Undo).
    virtual std::function<void()> keptJob() = 0;
};
