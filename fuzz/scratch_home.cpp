#include "scratch_home.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "settings/start_values.h"
#include "support/process_state.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

class ScratchFolder {
public:
    ScratchFolder()
    {
        const auto base = std::filesystem::temp_directory_path();
        std::random_device random;
        std::error_code error;
        while (path_.empty()) {
            const auto candidate = base / ("korvanta-fuzz-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error))
                path_ = candidate.string();
        }
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

const std::string& scratchHome()
{
    static const ScratchFolder folder;
    return folder.path();
}

std::string writeScratchFile(const std::string& name, std::string_view bytes)
{
    const std::string path = joinPath(scratchHome(), name);
    writeFileAtomically(path, bytes);
    return path;
}

std::string readScratchFile(const std::string& name)
{
    std::string bytes;
    readWholeFile(joinPath(scratchHome(), name), bytes);
    return bytes;
}

void freshProcess()
{
    resetProcessState();
    setStartValues(scratchHome());
}

void fuzzCheck(bool condition, const char* promise)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
