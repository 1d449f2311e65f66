#include "support/process_state.h"

#include "gcode/hole_routine.h"
#include "gcode/output/job_records.h"
#include "preview/preview_state.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "setupfile/current_tap_file.h"

void resetProcessState()
{
    resetSettings();
    resetLibraries();
    resetJobs();
    resetHoleRoutine();
    resetSetupState();
    resetPreview();
}
