#pragma once

// Every process-wide record as a fresh process has it: the settings and libraries, the jobs and
// the values of program generation, the current tap file with the values Load shares, and the
// preview with the page it draws for. Free of GoogleTest, so the fuzz targets share it.
void resetProcessState();
