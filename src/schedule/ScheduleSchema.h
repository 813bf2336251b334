#pragma once

// The spaced-repetition tables beside `words` and `spwl`: each word's schedule and the log of
// every grade. One text of statements, so that the schema upgrade can run it as a step.
//   schedule_due: the due count, the due words in order and the forecast read it alone; a
//     query over both tables names both (wordtable IN ...) so that it can.
//   review_log: reviewedat is the local time of the grade with its offset; reviewday the
//     learner's day it counted for. The log is kept in id order, whatever the clock said.
//   review_log_day: the report's per-day counts, retention and the day's new words.
//   Deleting a word deletes its schedule; its log rows stay.
inline constexpr const char* ScheduleSchemaSql = R"(
CREATE TABLE IF NOT EXISTS schedule (
 wordtable TEXT NOT NULL CHECK (wordtable IN ('words', 'spwl')),
 wordid INTEGER NOT NULL,
 state INTEGER NOT NULL CHECK (state BETWEEN 0 AND 3),
 stability REAL NOT NULL,
 difficulty REAL NOT NULL,
 due DATE NOT NULL CHECK (due GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
 lastreview DATE CHECK (lastreview IS NULL OR lastreview GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
 reps INTEGER NOT NULL DEFAULT 0,
 lapses INTEGER NOT NULL DEFAULT 0,
 PRIMARY KEY (wordtable, wordid)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS schedule_due ON schedule (wordtable, due);
CREATE TABLE IF NOT EXISTS review_log (
 id INTEGER PRIMARY KEY,
 wordtable TEXT NOT NULL CHECK (wordtable IN ('words', 'spwl')),
 wordid INTEGER NOT NULL,
 reviewedat TEXT NOT NULL,
 reviewday DATE NOT NULL CHECK (reviewday GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
 grade INTEGER NOT NULL CHECK (grade BETWEEN 1 AND 4),
 elapsed INTEGER NOT NULL,
 interval INTEGER NOT NULL,
 corrections INTEGER NOT NULL DEFAULT 0,
 state_before INTEGER NOT NULL,
 stability_before REAL,
 difficulty_before REAL,
 due_before DATE,
 lastreview_before DATE,
 state_after INTEGER NOT NULL,
 stability_after REAL NOT NULL,
 difficulty_after REAL NOT NULL,
 due_after DATE NOT NULL);
CREATE INDEX IF NOT EXISTS review_log_day ON review_log (reviewday, state_before, grade);
CREATE TRIGGER IF NOT EXISTS words_unschedule AFTER DELETE ON words
 BEGIN DELETE FROM schedule WHERE wordtable = 'words' AND wordid = old.id; END;
CREATE TRIGGER IF NOT EXISTS spwl_unschedule AFTER DELETE ON spwl
 BEGIN DELETE FROM schedule WHERE wordtable = 'spwl' AND wordid = old.id; END;
)";
