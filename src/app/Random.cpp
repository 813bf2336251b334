#include "Random.h"

#include <chrono>

namespace {
std::unique_ptr<Random>& instance() {
    static std::unique_ptr<Random> random;
    return random;
}
} // namespace

Random& Random::global() {
    if (!instance())
        instance() = std::make_unique<SeededRandom>();
    return *instance();
}

void Random::setGlobal(std::unique_ptr<Random> random) {
    instance() = std::move(random);
}

SeededRandom::SeededRandom() {
    std::random_device device;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{device(), device(), unsigned(clock), unsigned(clock >> 32)};
    engine_.seed(seq);
}

double SeededRandom::uniform() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}
