// Writes tests/schedule/fsrs_cases.json: review histories scheduled by ts-fsrs, the reference
// the C++ scheduler (src/schedule/Fsrs.cpp) is tested against. Day-granular, as Verbaloom
// schedules: long-term mode, no fuzz. Every review happens at 12:00 UTC, so a date maps to
// exactly one day whatever the zone of the machine that runs this.
//
//   node tools/fsrs/make-cases.mjs [output]
//
// The histories come from a fixed seed: a re-run writes the same file byte for byte.
import { writeFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { FSRSVersion, Rating, State, createEmptyCard, default_w, fsrs } from 'ts-fsrs';

const here = dirname(fileURLToPath(import.meta.url));
const output = resolve(process.argv[2] ?? resolve(here, '../../tests/schedule/fsrs_cases.json'));

const DAY_MS = 24 * 60 * 60 * 1000;
const firstDay = Date.UTC(2024, 0, 1);
const noon = (day) => new Date(firstDay + day * DAY_MS + 12 * 60 * 60 * 1000);
const iso = (date) => date.toISOString().slice(0, 10);

// mulberry32: small, seedable, the same on every Node.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}
const random = generator(20250611);
const pick = (n) => Math.floor(random() * n);

const schedulers = new Map();
function scheduler(retention, maximumInterval) {
  const key = `${retention}/${maximumInterval}`;
  if (!schedulers.has(key))
    schedulers.set(key, fsrs({
      request_retention: retention,
      maximum_interval: maximumInterval,
      enable_short_term: false,
      enable_fuzz: false,
    }));
  return schedulers.get(key);
}

// A history is a list of [days after the previous review, rating]; the first gap is the
// day the word is first seen. A gap given as a function gets the interval just scheduled.
function play(name, retention, maximumInterval, startDay, steps) {
  const f = scheduler(retention, maximumInterval);
  let card = createEmptyCard(noon(startDay));
  let day = startDay;
  let interval = 0;
  const reviews = [];
  for (const [gap, rating] of steps) {
    day += typeof gap === 'function' ? gap(interval) : gap;
    const now = noon(day);
    const recall = f.get_retrievability(card, now, false);
    const { card: next, log } = f.next(card, now, rating);
    if (next.state !== State.New && next.state !== State.Review)
      throw new Error(`${name}: long-term mode left state ${next.state}`);
    interval = next.scheduled_days;
    if (iso(next.due) !== iso(noon(day + interval)))
      throw new Error(`${name}: due ${iso(next.due)} is not ${interval} days after ${iso(now)}`);
    reviews.push({
      day: iso(now),
      rating,
      elapsed: log.elapsed_days,
      retrievability: recall,
      stability: next.stability,
      difficulty: next.difficulty,
      interval,
      due: iso(next.due),
      reps: next.reps,
      lapses: next.lapses,
      state: next.state,
    });
    card = next;
  }
  return { name, retention, maximum_interval: maximumInterval, reviews };
}

const onDue = (ivl) => ivl;
const grades = [Rating.Again, Rating.Hard, Rating.Good, Rating.Easy];
const gradeName = ['', 'again', 'hard', 'good', 'easy'];
const cases = [];
const retentions = [0.9, 0.8, 0.95, 0.7];

// Every first grade, then every grade on time, for each retention.
for (const retention of retentions)
  for (const first of grades)
    for (const second of grades)
      cases.push(play(`first-${gradeName[first]}-then-${gradeName[second]}-r${retention}`,
                      retention, 36500, pick(365),
                      [[0, first], [onDue, second], [onDue, Rating.Good], [onDue, Rating.Good]]));

// Hand-picked shapes.
const shapes = {
  'again-streak': [[0, 1], [onDue, 1], [onDue, 1], [onDue, 1], [onDue, 1], [onDue, 1], [onDue, 3]],
  'easy-to-the-ceiling': Array.from({ length: 14 }, (_, i) => [i ? onDue : 0, Rating.Easy]),
  'lapse-after-long-run': [[0, 3], [onDue, 3], [onDue, 3], [onDue, 3], [onDue, 3], [onDue, 1],
                           [onDue, 3], [onDue, 3]],
  'same-day-repeats': [[0, 3], [0, 3], [0, 1], [0, 4], [0, 2], [onDue, 3], [0, 3], [0, 1]],
  'early-reviews': [[0, 3], [onDue, 3], [(i) => Math.floor(i / 3), 3], [(i) => Math.floor(i / 2), 4],
                    [1, 3], [(i) => i - 1, 2], [1, 1]],
  'years-away': [[0, 3], [onDue, 3], [1500, 3], [2200, 1], [900, 4], [3650, 2]],
  'hard-all-along': Array.from({ length: 10 }, (_, i) => [i ? onDue : 0, Rating.Hard]),
  'late-every-time': [[0, 2], [(i) => i * 3, 3], [(i) => i * 2, 3], [(i) => i * 4, 1], [(i) => i * 5, 3]],
};
for (const retention of retentions)
  for (const [name, steps] of Object.entries(shapes))
    cases.push(play(`${name}-r${retention}`, retention, 36500, 400, steps));
// A short maximum interval: the ceiling, and what the grades' ordering does at it.
for (const [name, steps] of Object.entries(shapes))
  cases.push(play(`${name}-max30`, 0.9, 30, 10, steps));

// Random histories: the gap is on time, early, late, a long absence or the same day.
function randomGap(interval) {
  const kind = random();
  if (kind < 0.35) return interval;
  if (kind < 0.55) return pick(Math.max(interval, 1));
  if (kind < 0.75) return interval + 1 + pick(2 * interval + 3);
  if (kind < 0.85) return 200 + pick(2500);
  return 0;
}
function randomRating() {
  const r = random();
  return r < 0.15 ? Rating.Again : r < 0.3 ? Rating.Hard : r < 0.85 ? Rating.Good : Rating.Easy;
}
const randomSettings = [[0.9, 36500], [0.9, 36500], [0.9, 36500], [0.85, 36500], [0.8, 36500],
                        [0.95, 36500], [0.97, 36500], [0.9, 365], [0.75, 3650]];
for (let i = 0; i < 240; ++i) {
  const [retention, maximumInterval] = randomSettings[i % randomSettings.length];
  const length = 2 + pick(12);
  const steps = [[0, randomRating()]];
  for (let k = 1; k < length; ++k) steps.push([randomGap, randomRating()]);
  cases.push(play(`random-${String(i).padStart(3, '0')}`, retention, maximumInterval,
                  pick(730), steps));
}

const lines = cases.map((c) => {
  const head = JSON.stringify({ name: c.name, retention: c.retention,
                                maximum_interval: c.maximum_interval });
  const reviews = c.reviews.map((r) => '   ' + JSON.stringify(r)).join(',\n');
  return `  ${head.slice(0, -1)}, "reviews": [\n${reviews}]}`;
});
const text = `{"source": ${JSON.stringify(`ts-fsrs ${FSRSVersion}, long-term mode, no fuzz`)},
 "weights": ${JSON.stringify(default_w)},
 "cases": [
${lines.join(',\n')}
]}
`;
writeFileSync(output, text);
const reviews = cases.reduce((n, c) => n + c.reviews.length, 0);
console.log(`${output}: ${cases.length} histories, ${reviews} reviews`);
