#pragma once
#include <cstdint>
#include <random>

namespace lexaroo {

// Uniform draws in [0, 1). Windows call Randomize() when they open so every
// visit gives a new order; tests give a fixed seed or a scripted sequence.
class Random {
public:
    virtual ~Random() = default;
    virtual double Draw() = 0;
    // Seeds from the time of day.
    virtual void Randomize() = 0;
};

// Whole number in 1..n from one draw: whole part of (n * draw) + 1.
int PickOneTo(Random& random, int n);

// Mersenne twister; Randomize() seeds from the clock, Seed() for tests.
class MtRandom : public Random {
public:
    explicit MtRandom(std::uint32_t seed = 1) : engine_(seed) {}
    double Draw() override;
    void Randomize() override;
    void Seed(std::uint32_t seed) { engine_.seed(seed); }

private:
    std::mt19937 engine_;
};

} // namespace lexaroo
