#pragma once

#include <memory>
#include <random>

// The program's one source of random numbers. Windows and rules take it as a parameter, so
// tests can hand in a fixed sequence; the program uses a generator seeded once, properly.
class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double uniform() = 0;

    // The program-wide instance.
    static Random& global();
    // Replaces it (tests); null restores the seeded generator.
    static void setGlobal(std::unique_ptr<Random> random);
};

class SeededRandom : public Random {
public:
    SeededRandom();
    explicit SeededRandom(unsigned long long seed) : engine_(seed) {}
    double uniform() override;

private:
    std::mt19937_64 engine_;
};
