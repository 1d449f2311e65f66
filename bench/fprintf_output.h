#pragma once

#include "gcode/output/program_output.h"

#include <cstdio>

// The classic way to write a program: one fprintf per word straight into a stdio stream, with
// the same CR LF line ends. Kept as the baseline our buffered writer is measured against.
class FprintfOutput : public ProgramOutput {
public:
    explicit FprintfOutput(std::FILE* file) : file_(file) {}

    void text(std::string_view text) override;
    void endLine() override;
    void lengthWord(std::string_view prefix, float value, std::string_view suffix) override;
    void countWord(std::string_view prefix, int value) override;
    void characterWord(std::string_view prefix, char c) override;

private:
    std::FILE* file_;
};
