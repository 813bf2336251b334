// The FSRS scheduler against ts-fsrs's reference histories (tests/schedule/fsrs_cases.json,
// made by tools/fsrs/make-cases.mjs), and how it corrects cards that make no sense.
#include "schedule/Fsrs.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

using Fsrs::Card;
using Fsrs::Rating;
using Fsrs::State;
Q_DECLARE_METATYPE(Fsrs::Card)

namespace {

const QJsonObject& reference() {
    static const QJsonObject document = [] {
        QFile file(QStringLiteral(VERBALOOM_SOURCE_DIR "/tests/schedule/fsrs_cases.json"));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return document;
}

QDate day(const QJsonValue& v) {
    return QDate::fromString(v.toString(), Qt::ISODate);
}

Card reviewCard(double stability, double difficulty, const QDate& lastReview) {
    Card c;
    c.stability = stability;
    c.difficulty = difficulty;
    c.lastReview = lastReview;
    c.due = lastReview.isValid() ? lastReview.addDays(10) : QDate();
    c.reps = 4;
    c.lapses = 1;
    c.state = State::Review;
    return c;
}

const QDate Today(2025, 3, 14);
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

} // namespace

class TestFsrs : public QObject {
    Q_OBJECT
private slots:
    void theReferenceUsesTheseDefaults() {
        const QJsonArray weights = reference().value(QStringLiteral("weights")).toArray();
        QCOMPARE(weights.size(), int(Fsrs::DefaultWeights.size()));
        for (int i = 0; i < weights.size(); ++i)
            QCOMPARE(weights[i].toDouble(), Fsrs::DefaultWeights[size_t(i)]);
        QVERIFY(reference().value(QStringLiteral("cases")).toArray().size() >= 300);
    }

    void referenceHistories_data() {
        QTest::addColumn<QJsonObject>("history");
        const QJsonArray cases = reference().value(QStringLiteral("cases")).toArray();
        for (const QJsonValue& c : cases) {
            const QJsonObject o = c.toObject();
            QTest::newRow(qPrintable(o.value(QStringLiteral("name")).toString())) << o;
        }
    }
    void referenceHistories() {
        QFETCH(QJsonObject, history);
        Fsrs::Parameters params;
        params.desiredRetention = history.value(QStringLiteral("retention")).toDouble();
        params.maximumInterval = history.value(QStringLiteral("maximum_interval")).toInt();
        Card card;
        const QJsonArray reviews = history.value(QStringLiteral("reviews")).toArray();
        for (int i = 0; i < reviews.size(); ++i) {
            const QJsonObject want = reviews[i].toObject();
            const QDate today = day(want.value(QStringLiteral("day")));
            const auto rating = Rating(want.value(QStringLiteral("rating")).toInt());
            const QByteArray where = QByteArray("review ") + QByteArray::number(i + 1) + " on " +
                                     today.toString(Qt::ISODate).toLatin1();
            QVERIFY2(std::abs(Fsrs::retrievability(card, today, params) -
                              want.value(QStringLiteral("retrievability")).toDouble()) < 1e-6,
                     where);
            const Fsrs::ReviewResult got = Fsrs::review(card, rating, today, params);
            QVERIFY2(std::abs(got.card.stability -
                              want.value(QStringLiteral("stability")).toDouble()) < 1e-6,
                     where + ": stability " + QByteArray::number(got.card.stability, 'g', 12));
            QVERIFY2(std::abs(got.card.difficulty -
                              want.value(QStringLiteral("difficulty")).toDouble()) < 1e-6,
                     where + ": difficulty " + QByteArray::number(got.card.difficulty, 'g', 12));
            QCOMPARE(got.interval, want.value(QStringLiteral("interval")).toInt());
            QCOMPARE(got.elapsedDays, want.value(QStringLiteral("elapsed")).toInt());
            QCOMPARE(got.card.due, day(want.value(QStringLiteral("due"))));
            QCOMPARE(got.card.lastReview, today);
            QCOMPARE(got.card.reps, want.value(QStringLiteral("reps")).toInt());
            QCOMPARE(got.card.lapses, want.value(QStringLiteral("lapses")).toInt());
            QCOMPARE(int(got.card.state), want.value(QStringLiteral("state")).toInt());
            QCOMPARE(got.corrections, unsigned(Fsrs::NoCorrection));
            card = got.card;
        }
    }

    // A card that makes no sense is graded as the sane card it stands for, and says so.
    void nonsenseIsCorrected_data() {
        QTest::addColumn<Card>("given");
        QTest::addColumn<Card>("treatedAs");
        QTest::addColumn<int>("rating");
        QTest::addColumn<unsigned>("corrections");
        const QDate lastWeek = Today.addDays(-7);
        Card restarted;
        restarted.reps = 4;
        restarted.lapses = 1;
        QTest::newRow("NaN stability: first review")
            << reviewCard(NaN, 5, lastWeek) << restarted << 3 << unsigned(Fsrs::MemoryReset);
        QTest::newRow("NaN difficulty: first review")
            << reviewCard(4, NaN, lastWeek) << restarted << 1 << unsigned(Fsrs::MemoryReset);
        QTest::newRow("negative stability: first review")
            << reviewCard(-2, 5, lastWeek) << restarted << 4 << unsigned(Fsrs::MemoryReset);
        QTest::newRow("zero stability: first review")
            << reviewCard(0, 0, lastWeek) << restarted << 2 << unsigned(Fsrs::MemoryReset);
        QTest::newRow("stability past 100 years")
            << reviewCard(1e9, 5, lastWeek) << reviewCard(36500, 5, lastWeek) << 3
            << unsigned(Fsrs::StabilityClamped);
        QTest::newRow("infinite stability")
            << reviewCard(Inf, 5, lastWeek) << reviewCard(36500, 5, lastWeek) << 1
            << unsigned(Fsrs::StabilityClamped);
        QTest::newRow("tiny stability")
            << reviewCard(1e-9, 5, lastWeek) << reviewCard(0.001, 5, lastWeek) << 3
            << unsigned(Fsrs::StabilityClamped);
        QTest::newRow("difficulty above 10")
            << reviewCard(4, 42, lastWeek) << reviewCard(4, 10, lastWeek) << 2
            << unsigned(Fsrs::DifficultyClamped);
        QTest::newRow("difficulty below 1")
            << reviewCard(4, -3, lastWeek) << reviewCard(4, 1, lastWeek) << 4
            << unsigned(Fsrs::DifficultyClamped);
        QTest::newRow("last review in the future: a same-day repeat")
            << reviewCard(4, 5, Today.addDays(30)) << reviewCard(4, 5, Today) << 3
            << unsigned(Fsrs::LastReviewInFuture);
        QTest::newRow("clock a day back, lapse")
            << reviewCard(4, 5, Today.addDays(1)) << reviewCard(4, 5, Today) << 1
            << unsigned(Fsrs::LastReviewInFuture);
        QTest::newRow("under review, no last review day")
            << reviewCard(4, 5, QDate()) << reviewCard(4, 5, Today) << 3
            << unsigned(Fsrs::LastReviewMissing);
        Card negativeCounts = reviewCard(4, 5, lastWeek);
        negativeCounts.reps = -3;
        negativeCounts.lapses = -1;
        Card zeroCounts = reviewCard(4, 5, lastWeek);
        zeroCounts.reps = zeroCounts.lapses = 0;
        QTest::newRow("negative counts")
            << negativeCounts << zeroCounts << 1 << unsigned(Fsrs::CountsClamped);
        Card relearning = reviewCard(4, 5, lastWeek);
        relearning.state = State::Relearning;
        QTest::newRow("relearning is scheduled as review")
            << relearning << reviewCard(4, 5, lastWeek) << 2 << unsigned(Fsrs::NoCorrection);
        QTest::newRow("several at once")
            << reviewCard(Inf, 99, Today.addDays(2)) << reviewCard(36500, 10, Today) << 3
            << unsigned(Fsrs::StabilityClamped | Fsrs::DifficultyClamped |
                        Fsrs::LastReviewInFuture);
    }
    void nonsenseIsCorrected() {
        QFETCH(Card, given);
        QFETCH(Card, treatedAs);
        QFETCH(int, rating);
        QFETCH(unsigned, corrections);
        const Fsrs::ReviewResult got = Fsrs::review(given, Rating(rating), Today);
        const Fsrs::ReviewResult want = Fsrs::review(treatedAs, Rating(rating), Today);
        QCOMPARE(got.corrections, corrections);
        QCOMPARE(got.card, want.card);
        QCOMPARE(got.interval, want.interval);
        QCOMPARE(got.elapsedDays, want.elapsedDays);
        QVERIFY(std::isfinite(got.card.stability) && got.card.stability >= Fsrs::MinStability);
        QVERIFY(got.card.difficulty >= 1 && got.card.difficulty <= 10);
        QCOMPARE(got.card.lastReview, Today);
        QVERIFY(got.interval >= 1);
        QCOMPARE(got.card.due, Today.addDays(got.interval));
    }

    // Whatever a stored card holds, a grade gives a schedule that makes sense.
    void anyCardGivesASaneSchedule() {
        std::mt19937 rng(99);
        const double odd[] = {NaN, Inf, -Inf, -1, 0, 1e-300, 0.5, 3, 11, 5e4, 1e308};
        auto value = [&] {
            return rng() % 2 ? odd[rng() % std::size(odd)]
                             : std::uniform_real_distribution<double>(-20, 400)(rng);
        };
        for (int i = 0; i < 20000; ++i) {
            Card c;
            c.stability = value();
            c.difficulty = value();
            c.state = State(int(rng() % 5));
            c.reps = int(rng());
            c.lapses = int(rng());
            if (rng() % 4)
                c.lastReview = Today.addDays(int(rng() % 20001) - 10000);
            const auto r = Fsrs::review(c, Rating(int(rng() % 6)), Today);
            QVERIFY(std::isfinite(r.card.stability));
            QVERIFY(r.card.stability >= Fsrs::MinStability &&
                    r.card.stability <= Fsrs::MaxStability);
            QVERIFY(r.card.difficulty >= 1 && r.card.difficulty <= 10);
            QVERIFY(r.interval >= 1 && r.interval <= Fsrs::MaxInterval + 3);
            QCOMPARE(r.card.due, Today.addDays(r.interval));
            QVERIFY(r.card.reps >= 1 && r.card.lapses >= 0);
            const double recall = Fsrs::retrievability(c, Today);
            QVERIFY(recall >= 0 && recall <= 1);
        }
    }

    void countsStopAtTheirLimit() {
        Card c = reviewCard(4, 5, Today.addDays(-3));
        c.reps = c.lapses = INT_MAX;
        const Fsrs::ReviewResult got = Fsrs::review(c, Rating::Again, Today);
        QCOMPARE(got.card.reps, INT_MAX);
        QCOMPARE(got.card.lapses, INT_MAX);
    }

    void anInvalidTodayChangesNothing() {
        const Card c = reviewCard(4, 5, Today);
        const Fsrs::ReviewResult got = Fsrs::review(c, Rating::Good, QDate());
        QCOMPARE(got.card, c);
        QCOMPARE(got.interval, 0);
        QCOMPARE(got.corrections, unsigned(Fsrs::TodayInvalid));
        QCOMPARE(Fsrs::retrievability(c, QDate()), 0.0);
    }

    // Parameters out of range behave as the nearest sane ones.
    void parametersAreKeptInRange_data() {
        QTest::addColumn<double>("retention");
        QTest::addColumn<int>("maximumInterval");
        QTest::addColumn<double>("saneRetention");
        QTest::addColumn<int>("saneMaximum");
        QTest::newRow("retention 1.5") << 1.5 << 36500 << 0.99 << 36500;
        QTest::newRow("retention 0") << 0.0 << 36500 << 0.70 << 36500;
        QTest::newRow("retention NaN") << NaN << 36500 << 0.9 << 36500;
        QTest::newRow("maximum 0 days") << 0.9 << 0 << 0.9 << 1;
        QTest::newRow("maximum negative") << 0.9 << -5 << 0.9 << 1;
        QTest::newRow("maximum past 100 years") << 0.9 << INT_MAX << 0.9 << 36500;
    }
    void parametersAreKeptInRange() {
        QFETCH(double, retention);
        QFETCH(int, maximumInterval);
        QFETCH(double, saneRetention);
        QFETCH(int, saneMaximum);
        Fsrs::Parameters given, sane;
        given.desiredRetention = retention;
        given.maximumInterval = maximumInterval;
        sane.desiredRetention = saneRetention;
        sane.maximumInterval = saneMaximum;
        given.weights[3] = NaN; // takes its default
        given.weights[20] = 5;  // above its bound of 0.8
        sane.weights[20] = 0.8;
        for (const double s : {0.5, 30.0, 3000.0}) {
            const Card c = reviewCard(s, 5, Today.addDays(-int(s)));
            for (int g = 1; g <= 4; ++g) {
                const auto a = Fsrs::review(c, Rating(g), Today, given);
                const auto b = Fsrs::review(c, Rating(g), Today, sane);
                QCOMPARE(a.card, b.card);
                QCOMPARE(a.interval, b.interval);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFsrs)
#include "tst_fsrs.moc"
