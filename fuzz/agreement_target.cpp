// A random shop and a random job of one of the three cutting pages, chosen by the fuzzer's
// bytes: Run either refuses it and writes nothing, or writes a program that reads back clean.
#include "fuzz_targets.h"
#include "random_jobs.h"
#include "scratch_home.h"

#include <cstdio>

int fuzzAgreement(const uint8_t* data, size_t size)
{
    ByteDice dice(data, size);
    const PageId pages[] = {PageId::Posts, PageId::Manual, PageId::Rails};
    const PageId page = pages[dice.below(3)];
    const std::string broken = brokenPromise(runRandomJob(dice, page));
    if (!broken.empty())
        std::fprintf(stderr, "%s\n", broken.c_str());
    fuzzCheck(broken.empty(), "Run writes what its checks accept, and that reads back clean");
    return 0;
}
