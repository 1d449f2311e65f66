#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// One reader of outside input driven by arbitrary bytes. libFuzzer calls it through
// LLVMFuzzerTestOneInput; the corpus replay test calls it on every file of tests/data/fuzz/<name>/.
// A broken promise of the reader (beyond what the sanitizers see) aborts the process.
using FuzzTarget = int (*)(const uint8_t* data, size_t size);

int fuzzSettingsFile(const uint8_t* data, size_t size);
int fuzzLibraryFile(const uint8_t* data, size_t size);
int fuzzLetterFields(const uint8_t* data, size_t size);
int fuzzSetupHeader(const uint8_t* data, size_t size);
int fuzzDrawList(const uint8_t* data, size_t size);
int fuzzRegenerate(const uint8_t* data, size_t size);
int fuzzVerifyProgram(const uint8_t* data, size_t size);
int fuzzAgreement(const uint8_t* data, size_t size);

struct NamedFuzzTarget {
    std::string_view name; // the folder of its corpora and the suffix of its fuzzer's name
    FuzzTarget run;
};

inline const std::vector<NamedFuzzTarget>& fuzzTargets()
{
    static const std::vector<NamedFuzzTarget> targets = {
        {"settings_file", fuzzSettingsFile}, {"library_file", fuzzLibraryFile},
        {"letter_fields", fuzzLetterFields}, {"setup_header", fuzzSetupHeader},
        {"draw_list", fuzzDrawList},         {"regenerate", fuzzRegenerate},
        {"verify_program", fuzzVerifyProgram}, {"agreement", fuzzAgreement},
    };
    return targets;
}
