#pragma once

#include <array>
#include <QDate>

// The FSRS spaced-repetition scheduler (FSRS-6 with its published default weights), in the
// day-granular long-term mode: a grade gives a whole number of days, never minutes, and
// there is no fuzz. Pure: a card's memory state, a grade and the learner's local day in, the
// new state and the interval out. tests/schedule/fsrs_cases.json (made by tools/fsrs with
// ts-fsrs) pins the arithmetic, including its rounding to 8 decimals at each step.
//
// Nonsense in a card or in the parameters is corrected, never trusted and never fatal; the
// corrections a review made are reported as flags (see Correction) so the caller can log them:
//   - a NaN stability or difficulty, or a stability of zero or below on a card that is not
//     new: the memory state is unknown, so the grade counts as a first review (MemoryReset);
//     reps and lapses are kept;
//   - a stability above 36500 days or below 0.001 is brought to that bound; a difficulty
//     outside 1..10 likewise (StabilityClamped, DifficultyClamped);
//   - a last review after today (the clock moved backwards, or a review logged in the
//     future): 0 days have passed, as for a second review the same day; the new schedule
//     counts from today (LastReviewInFuture);
//   - a card under review without a last review day: 0 days have passed (LastReviewMissing);
//   - negative reps or lapses count from 0 (CountsClamped); both stop at INT_MAX;
//   - an invalid today: the card is handed back unchanged with interval 0 (TodayInvalid);
//   - a rating outside Again..Easy is taken as the nearest of them;
//   - parameters: desired retention is kept within 0.70..0.99, the maximum interval within
//     1..36500 days, each weight within FSRS's published bounds (a non-finite one takes its
//     default).
// Learning and Relearning (minute steps) never arise here; a card read in either state is
// scheduled as under review, as the long-term mode of the reference does.
namespace Fsrs {

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };
// Numbered as FSRS numbers them, so stored values read the same elsewhere.
enum class State { New = 0, Learning = 1, Review = 2, Relearning = 3 };

inline constexpr double MinStability = 0.001;
inline constexpr double MaxStability = 36500.0;
inline constexpr int MaxInterval = 36500;

struct Card {
    double stability = 0.0;  // days until recall falls to 90%
    double difficulty = 0.0; // 1 (easy) .. 10 (hard)
    QDate due;               // invalid while new
    QDate lastReview;        // invalid before the first review
    int reps = 0;
    int lapses = 0; // "Again" on a word under review
    State state = State::New;

    bool operator==(const Card&) const = default;
};

inline constexpr std::array<double, 21> DefaultWeights = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

struct Parameters {
    std::array<double, 21> weights = DefaultWeights;
    double desiredRetention = 0.9;
    // As in the reference, the four grades' intervals are made strictly increasing after this
    // ceiling is applied, so Hard, Good and Easy may pass it by up to 3 days.
    int maximumInterval = MaxInterval;
};

enum Correction : unsigned {
    NoCorrection = 0,
    MemoryReset = 1,
    StabilityClamped = 2,
    DifficultyClamped = 4,
    LastReviewInFuture = 8,
    LastReviewMissing = 16,
    CountsClamped = 32,
    TodayInvalid = 64,
};

struct ReviewResult {
    Card card;                           // after the grade; due = today + interval
    int interval = 0;                    // whole days
    int elapsedDays = 0;                 // days since the last review, as the grade used them
    double recall = 0.0;                 // retrievability just before the grade (0 for a new card)
    unsigned corrections = NoCorrection; // Correction flags
};

ReviewResult review(const Card& card, Rating rating, const QDate& today,
                    const Parameters& params = {});

// The probability of recalling the word on `today`: 0 for a new card, 1 on the day of the
// last review. Corrected as review() corrects.
double retrievability(const Card& card, const QDate& today, const Parameters& params = {});

} // namespace Fsrs
