// The libFuzzer entry of one target, named by KORVANTA_FUZZ_ENTRY at build time.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return KORVANTA_FUZZ_ENTRY(data, size);
}
