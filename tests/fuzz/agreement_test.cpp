// Random shops and random jobs of the three cutting pages, Run as the operator presses it: a job
// that the run checks accept is written and reads back clean, and a job they refuse writes
// nothing. KORVANTA_SEED picks the first seed; a failure names its seed.
#include "random_jobs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kJobsPerPage = 300;

uint32_t firstSeed()
{
    const char* seed = std::getenv("KORVANTA_SEED");
    return seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 1;
}

class AgreementTest : public ::testing::TestWithParam<PageId> {};

TEST_P(AgreementTest, RunWritesWhatItsChecksAcceptAndItReadsBackClean)
{
    int written = 0;
    for (uint32_t seed = firstSeed(); seed < firstSeed() + kJobsPerPage; ++seed) {
        SeededDice dice(seed);
        const RunOutcome outcome = runRandomJob(dice, GetParam());
        const std::string broken = brokenPromise(outcome);
        ASSERT_EQ(broken, "") << "seed " << seed;
        written += outcome.programWritten ? 1 : 0;
    }
    // Most random jobs are refused; enough must be written for the test to prove anything.
    EXPECT_GT(written, kJobsPerPage / 10);
}

INSTANTIATE_TEST_SUITE_P(Pages, AgreementTest, ::testing::Values(PageId::Posts, PageId::Manual, PageId::Rails),
                         [](const auto& page) {
                             return page.param == PageId::Posts ? "Posts" : page.param == PageId::Manual ? "Manual" : "Rails";
                         });

} // namespace
