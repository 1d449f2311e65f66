// korvanta.ini as a user's editor or another machine may leave it. A file that reads is written
// back at the end of the run; that file must read again and be written back byte for byte.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "platform/recording_messages.h"
#include "settings/ini_file.h"

#include <algorithm>
#include <cstdio>

namespace {

// Shows where the two writes part, so that a finding says what is not read back.
void showFirstDifference(const std::string& first, const std::string& second)
{
    const auto parted = std::mismatch(first.begin(), first.end(), second.begin(), second.end());
    const size_t at = static_cast<size_t>(parted.first - first.begin());
    const size_t line = first.rfind('\n', at) == std::string::npos ? 0 : first.rfind('\n', at) + 1;
    std::fprintf(stderr, "first write:  %.80s\nsecond write: %.80s\n", first.c_str() + line, second.c_str() + line);
}

} // namespace

int fuzzSettingsFile(const uint8_t* data, size_t size)
{
    freshProcess();
    writeScratchFile(kIniFileName, asText(data, size));
    RecordingMessages messages;
    if (!ReadIniFile(messages))
        return 0;
    fuzzCheck(WriteIniFile(messages), "a settings file that was read is written back");
    const std::string written = readScratchFile(kIniFileName);
    freshProcess();
    fuzzCheck(ReadIniFile(messages), "the settings file the program wrote reads back");
    fuzzCheck(WriteIniFile(messages), "the settings file the program wrote is written again");
    const std::string rewritten = readScratchFile(kIniFileName);
    if (rewritten != written)
        showFirstDifference(written, rewritten);
    fuzzCheck(rewritten == written, "the settings file the program wrote is a fixed point");
    return 0;
}
