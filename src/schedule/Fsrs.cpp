#include "Fsrs.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace Fsrs {

namespace {

// The bounds FSRS trains its weights within (long-term mode).
constexpr std::array<std::pair<double, double>, 21> WeightBounds = {{
    {0.001, 100},  {0.001, 100},  {0.001, 100}, {0.001, 100}, {1, 10},      {0.001, 4},
    {0.001, 4},    {0.001, 0.75}, {0, 4.5},     {0, 0.8},     {0.001, 3.5}, {0.001, 5},
    {0.001, 0.25}, {0.001, 0.9},  {0, 4},       {0, 1},       {1, 6},       {0, 2},
    {0, 2},        {0, 0.8},      {0.1, 0.8},
}};

// JavaScript's Math.round (halves go up), which the reference rounds with.
double roundHalfUp(double x) {
    const double up = std::ceil(x);
    return up - 0.5 > x ? up - 1.0 : up;
}

// The reference keeps 8 decimals after most steps; doing the same keeps every case exact.
double round8(double x) {
    return roundHalfUp(x * 1e8) / 1e8;
}

double clampTo(double x, double low, double high) {
    return std::min(std::max(x, low), high);
}

int saturatingIncrement(int n) {
    return n == INT_MAX ? n : n + 1;
}

// Weights, retention and ceiling after the corrections the header lists, with the two
// constants of the forgetting curve that follow from them.
class Model {
public:
    explicit Model(const Parameters& p) {
        for (size_t i = 0; i < w.size(); ++i) {
            const double given = std::isfinite(p.weights[i]) ? p.weights[i] : DefaultWeights[i];
            w[i] = clampTo(given, WeightBounds[i].first, WeightBounds[i].second);
        }
        const double retention =
            std::isfinite(p.desiredRetention) ? clampTo(p.desiredRetention, 0.70, 0.99) : 0.9;
        maximumInterval = std::clamp(p.maximumInterval, 1, MaxInterval);
        decay = -w[20];
        factor = round8(std::exp(std::pow(decay, -1) * std::log(0.9)) - 1);
        intervalModifier = round8((std::pow(retention, 1 / decay) - 1) / factor);
    }

    double forgettingCurve(int elapsedDays, double stability) const {
        return round8(std::pow(1 + factor * elapsedDays / stability, decay));
    }

    int nextInterval(double stability) const {
        const double days = roundHalfUp(stability * intervalModifier);
        return int(std::min(std::max(1.0, days), double(maximumInterval)));
    }

    double initialStability(int g) const { return std::max(w[size_t(g - 1)], 0.1); }

    double initialDifficulty(int g) const { return round8(w[4] - std::exp((g - 1) * w[5]) + 1); }

    double nextDifficulty(double d, int g) const {
        const double delta = -w[6] * (g - 3);
        const double damped = round8(delta * (10 - d) / 9);
        const double next = d + damped;
        const double reverted = round8(w[7] * initialDifficulty(4) + (1 - w[7]) * next);
        return clampTo(reverted, 1, 10);
    }

    double recallStability(double d, double s, double r, int g) const {
        const double hardPenalty = g == 2 ? w[15] : 1;
        const double easyBonus = g == 4 ? w[16] : 1;
        return round8(
            clampTo(s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) *
                                 (std::exp((1 - r) * w[10]) - 1) * hardPenalty * easyBonus),
                    MinStability, MaxStability));
    }

    // Without same-day steps a lapse never raises stability: the smaller of the two.
    double forgetStability(double d, double s, double r) const {
        const double afterFail = round8(clampTo(
            w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp((1 - r) * w[14]),
            MinStability, MaxStability));
        return clampTo(round8(s), MinStability, afterFail);
    }

    std::array<double, 21> w{};
    int maximumInterval = MaxInterval;
    double decay = 0;
    double factor = 0;
    double intervalModifier = 0;
};

struct Sanitised {
    Card card;
    bool fresh = true; // graded as a first review
    int elapsedDays = 0;
    unsigned corrections = NoCorrection;
};

Sanitised sanitise(const Card& given, const QDate& today) {
    Sanitised out{given};
    Card& c = out.card;
    if (c.reps < 0 || c.lapses < 0) {
        c.reps = std::max(c.reps, 0);
        c.lapses = std::max(c.lapses, 0);
        out.corrections |= CountsClamped;
    }
    if (c.state == State::New)
        return out;
    if (std::isnan(c.stability) || std::isnan(c.difficulty) || c.stability <= 0) {
        out.corrections |= MemoryReset;
        return out;
    }
    out.fresh = false;
    const double s = clampTo(c.stability, MinStability, MaxStability);
    if (s != c.stability)
        out.corrections |= StabilityClamped;
    const double d = clampTo(c.difficulty, 1, 10);
    if (d != c.difficulty)
        out.corrections |= DifficultyClamped;
    c.stability = s;
    c.difficulty = d;
    if (!c.lastReview.isValid()) {
        out.corrections |= LastReviewMissing;
    } else {
        const qint64 days = c.lastReview.daysTo(today);
        if (days < 0)
            out.corrections |= LastReviewInFuture;
        out.elapsedDays = int(std::clamp<qint64>(days, 0, INT_MAX));
    }
    return out;
}

} // namespace

ReviewResult review(const Card& card, Rating rating, const QDate& today, const Parameters& params) {
    ReviewResult result;
    if (!today.isValid()) {
        result.card = card;
        result.corrections = TodayInvalid;
        return result;
    }
    const Model m(params);
    const Sanitised in = sanitise(card, today);
    const int g = std::clamp(int(rating), 1, 4);

    // The four grades' intervals are ordered Again < Hard < Good < Easy, so the chosen grade's
    // interval depends on what the others would have given.
    std::array<double, 5> stability{};
    double difficulty = 0;
    if (in.fresh) {
        for (int k = 1; k <= 4; ++k)
            stability[size_t(k)] = m.initialStability(k);
        difficulty = clampTo(m.initialDifficulty(g), 1, 10);
    } else {
        const Card& c = in.card;
        result.recall = m.forgettingCurve(in.elapsedDays, c.stability);
        stability[1] = m.forgetStability(c.difficulty, c.stability, result.recall);
        for (int k = 2; k <= 4; ++k)
            stability[size_t(k)] = m.recallStability(c.difficulty, c.stability, result.recall, k);
        difficulty = m.nextDifficulty(c.difficulty, g);
    }
    std::array<int, 5> interval{};
    for (int k = 1; k <= 4; ++k)
        interval[size_t(k)] = m.nextInterval(stability[size_t(k)]);
    interval[1] = std::min(interval[1], interval[2]);
    for (int k = 2; k <= 4; ++k)
        interval[size_t(k)] = std::max(interval[size_t(k)], interval[size_t(k - 1)] + 1);

    Card& out = result.card;
    out = in.card;
    out.stability = stability[size_t(g)];
    out.difficulty = difficulty;
    out.state = State::Review;
    out.lastReview = today;
    out.due = today.addDays(interval[size_t(g)]);
    out.reps = saturatingIncrement(out.reps);
    if (g == 1 && !in.fresh)
        out.lapses = saturatingIncrement(out.lapses);
    result.interval = interval[size_t(g)];
    result.elapsedDays = in.elapsedDays;
    result.corrections = in.corrections;
    return result;
}

double retrievability(const Card& card, const QDate& today, const Parameters& params) {
    if (!today.isValid())
        return 0.0;
    const Sanitised in = sanitise(card, today);
    if (in.fresh)
        return 0.0;
    return Model(params).forgettingCurve(in.elapsedDays, in.card.stability);
}

} // namespace Fsrs
