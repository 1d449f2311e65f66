#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// Where a random shop's and job's choices come from: a seeded generator for the tests, the
// fuzzer's bytes for the fuzz target (zeros once they run out).
class Dice {
public:
    virtual ~Dice() = default;
    int below(int count);                 // 0 to count - 1
    bool chance(int percent);             // true in percent of the throws
    float between(float low, float high); // rounded to three decimals, as a field shows it

protected:
    virtual uint32_t next() = 0;
};

class SeededDice : public Dice {
public:
    explicit SeededDice(uint32_t seed) : engine_(seed) {}

protected:
    uint32_t next() override { return static_cast<uint32_t>(engine_()); }

private:
    std::mt19937 engine_;
};

class ByteDice : public Dice {
public:
    ByteDice(const uint8_t* data, size_t size) : data_(data), size_(size) {}

protected:
    uint32_t next() override;

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A machine no test was written for: 1 to 4 heads, lettered or numbered, with more axis
// characters than heads at times; a table or none, with fixtures, start and end positions on
// and off it; either cut style, any of the four variants; lead-in and exit radii near their
// limits. Set into the settings, with libraries of a few materials, hole types and the bit
// written into the home folder, where the programs go too.
void makeRandomShop(Dice& dice);

// The text of a length as an operator types it.
std::string typed(float value);
