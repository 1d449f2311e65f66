// Every input the fuzzers ever found a fault with, replayed through its target under the
// sanitizers: a fault once found stays found.
#include "fuzz_targets.h"
#include "settings/files.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

// The target's name in a failing test's message.
void PrintTo(const NamedFuzzTarget& target, std::ostream* out)
{
    *out << target.name;
}

namespace {

class CorpusReplayTest : public ::testing::TestWithParam<NamedFuzzTarget> {};

TEST_P(CorpusReplayTest, EveryInputOfTheRegressionCorpusRuns)
{
    const std::filesystem::path folder = goldenPath("fuzz/" + std::string(GetParam().name));
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        std::string bytes;
        ASSERT_TRUE(readWholeFile(input.string(), bytes)) << input;
        SCOPED_TRACE(input.string());
        GetParam().run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplayTest, ::testing::ValuesIn(fuzzTargets()),
                         [](const auto& target) { return std::string(target.param.name); });

} // namespace
