#include "support/process_state.h"

#include "gcode/output/job_records.h"
#include "preview/preview_state.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"

void resetProcessState()
{
    resetSettings();
    resetLibraries();
    resetJobs();
    resetSetupState();
    resetPreview();
}
