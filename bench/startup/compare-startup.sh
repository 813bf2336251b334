#!/usr/bin/env bash
# Start-up of the whole program under Xvfb, side by side with KWordQuiz and Parley on the same
# words and with a bare Qt window as the floor. Usage:
#
#   bench/startup/compare-startup.sh [build dir] [runs]     (9 runs unless told)
#
# Each run is timed by xwatch (built beside this script where the X Damage headers are;
# bench/startup/install-deps installs them and the two other programs): from just before
# exec to the titled window's map, to its first painted frame, and the peak resident memory
# 1.5 s after that frame. The programs take turns run by run, so that whatever else loads the
# machine falls on all of them alike; one round before the timed ones is left out, as it
# builds the KDE programs' caches in the fresh home folder and warms the file cache.
#
# Verbaloom runs on a copy of the shipped database (5,539 words) and of synthetic ones of
# 100,000 and 1,000,000 words (made once by make_synthetic_db and kept in the build folder),
# with the tip of the day off. KWordQuiz and Parley open fresh copies of KVTML files
# of 4,000 and 100,000 entries of the shipped words (make-kvtml.py). All run in one home
# folder with a session bus, as on a desktop.
#
# Run as root, it takes a session of its own and raises that session's priority (nice -10),
# and so that of the X server and the programs: other work on the machine, a build on every
# core, would otherwise be timed with them. (The scheduler shares the cores between sessions
# first, so a raised priority inside the caller's session would do nothing against others.)
# They still share the cores with that work; the machine's load is printed with the figures.
#
# What each program showed at the frame that was timed, in the first timed round, is kept in
# the build folder (bench/startup-frames/) to be looked at: a dialog in front of the window or
# an empty window filled later would be timed wrongly.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-9}"

xwatch="$build/bench/startup/xwatch"
floor="$build/bench/startup/startup_floor"
for f in "$xwatch" "$floor" "$build/bench/make_synthetic_db" "$build/src/verbaloom" \
         "$build/dbnk.db"; do
  [ -x "$f" ] || [ -f "$f" ] || {
    echo "missing $f: run bench/startup/install-deps, then build the targets xwatch," \
         "startup_floor, make_synthetic_db, verbaloom and shipped_db" >&2
    exit 2
  }
done

if [ "$(id -u)" = 0 ] && [ -z "${STARTUP_OWN_SESSION:-}" ] && command -v setsid >/dev/null; then
  # In the background of a script a job leads no process group, so setsid needs no fork
  # and the job's id names the new session's group, to be ended with it.
  STARTUP_OWN_SESSION=1 setsid "$0" "$@" &
  inner=$!
  trap 'kill -TERM -- "-$inner" 2>/dev/null' INT TERM
  wait "$inner"
  exit $?
fi
if [ "$(id -u)" = 0 ]; then
  echo -10 > "/proc/$$/autogroup" 2>/dev/null || true
  renice -n -10 -p $$ >/dev/null
fi

cache="$build/bench/startup-cache"
frames="$build/bench/startup-frames"
mkdir -p "$cache" "$frames"
for n in 100000 1000000; do
  if [ ! -f "$cache/words-$n.db" ]; then
    echo "making a database of $n words (once) ..." >&2
    "$build/bench/make_synthetic_db" "$n" "$cache/words-$n.db.part" "$root/share/spwl.csv"
    mv "$cache/words-$n.db.part" "$cache/words-$n.db"
  fi
done

work="$(mktemp -d)"
xvfb="" bus=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  [ -n "$bus" ] && kill "$bus" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/home/config/verbaloom" "$work/run" "$work/files"
chmod 700 "$work/run"
printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' > "$work/home/config/verbaloom/verbaloom.ini"
for n in 4000 100000; do
  python3 "$here/make-kvtml.py" "$root/share/words.csv" "$work/words-$n.kvtml" "$n" >/dev/null
done

# No server reset when the last client goes: a watcher connecting just then would fail.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=":$display" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
       XDG_CACHE_HOME="$work/home/cache" XDG_DATA_HOME="$work/home/share" \
       XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus; } < <(
  dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS

# name | title to wait for | file to copy into the program's folder, as what, and whether
# afresh for each run | command
programs=(
  "Verbaloom 5,539|Verbaloom - The Vocabulary|$build/dbnk.db dbnk.db once|$build/src/verbaloom"
  "Verbaloom 100,000|Verbaloom - The Vocabulary|$cache/words-100000.db dbnk.db once|$build/src/verbaloom"
  "Verbaloom 1,000,000|Verbaloom - The Vocabulary|$cache/words-1000000.db dbnk.db once|$build/src/verbaloom"
  "KWordQuiz 4,000|KWordQuiz|$work/words-4000.kvtml words.kvtml each|kwordquiz words.kvtml"
  "KWordQuiz 100,000|KWordQuiz|$work/words-100000.kvtml words.kvtml each|kwordquiz words.kvtml"
  "Parley 4,000|Parley|$work/words-4000.kvtml words.kvtml each|parley words.kvtml"
  "Parley 100,000|Parley|$work/words-100000.kvtml words.kvtml each|parley words.kvtml"
  "Qt floor|Qt floor|/dev/null none once|$floor"
)

results="$work/results"
: > "$results"
# Verbaloom keeps its database from run to run, as a learner's is: the first start on a
# synthetic one resets its many marks of "last session" (one word in nine), which the left-out
# round takes, and each start after it finds none, as on the shipped words. The KDE programs
# get a fresh copy each time: they lock the file they open, keeping the lock beside their
# autosave copy, and ended by a signal they leave both behind, so the next run would open on a
# "file is locked" question in front of an empty window.
run_once() {
  local name=$1 title=$2 copy=$3 cmd=$4 frame=$5
  local dir
  dir="$work/files/$(echo "$name" | tr -c 'A-Za-z0-9\n' '-')"
  local from=${copy%% *} to=${copy#* }
  local when=${to#* }
  to=${to% *}
  if [ "$when" = each ] || [ ! -d "$dir" ]; then
    rm -rf "$dir" "$XDG_DATA_HOME/stalefiles"
    mkdir -p "$dir"
    cp "$from" "$dir/$to"
  fi
  local line
  # shellcheck disable=SC2086 # the command is split into its words on purpose
  line=$("$xwatch" -C "$dir" -t "$title" -w 120000 ${frame:+-o "$frame"} -- $cmd 2>/dev/null) ||
    true
  echo "$name|$line"
}

echo "versions: $(dpkg-query -W -f '${Package} ${Version}, ' kwordquiz parley libqt6widgets6 \
  2>/dev/null)Verbaloom $(git -C "$root" describe --always --dirty 2>/dev/null || echo '?')" >&2
echo "priority: nice $(nice), $(cat /proc/$$/autogroup 2>/dev/null || echo no autogroup);" \
     "machine load before: $(uptime)" >&2
for round in $(seq 0 "$runs"); do
  for p in "${programs[@]}"; do
    IFS='|' read -r name title copy cmd <<< "$p"
    if ! command -v "${cmd%% *}" >/dev/null; then
      [ "$round" = 0 ] && echo "$name: ${cmd%% *} is not installed (bench/startup/install-deps)" >&2
      continue
    fi
    frame=""
    [ "$round" = 1 ] && frame="$frames/$(echo "$name" | tr -c 'A-Za-z0-9\n' '-').ppm"
    line=$(run_once "$name" "$title" "$copy" "$cmd" "$frame")
    [ "$round" = 0 ] || echo "$line" >> "$results"
    echo "round $round: $line" >&2
  done
done
echo "machine load after: $(uptime)" >&2
if command -v convert >/dev/null; then
  for f in "$frames"/*.ppm; do convert "$f" "${f%.ppm}.png" && rm "$f"; done
fi
echo "the timed frames of round 1: $frames" >&2

# Medians with the least and the most, over the runs that painted.
echo "| Program, words | First window (ms) | First painted frame (ms) | Peak RSS (MiB) | Runs |"
echo "|---|---|---|---|---|"
for p in "${programs[@]}"; do
  name=${p%%|*}
  awk -F'|' -v name="$name" '
    function stat(a, n, scale,   i, j, t) {
      for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) {
        t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
      }
      return sprintf("%.0f (%.0f - %.0f)", (n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2) / scale,
                     a[1] / scale, a[n] / scale)
    }
    $1 == name {
      all++
      if ($2 !~ /status=ok/) next
      n++
      split($2, kv, /[ =]/)
      for (i = 1; i < length(kv); i += 2) v[kv[i]] = kv[i + 1]
      m[n] = v["map_ms"]; p[n] = v["paint_ms"]; r[n] = v["peak_kib"]
    }
    END {
      if (!all) exit
      if (!n) { printf "| %s | - | - | - | 0 of %d |\n", name, all; exit }
      printf "| %s | %s | %s | %s | %d of %d |\n", name, stat(m, n, 1), stat(p, n, 1),
             stat(r, n, 1024), n, all
    }' "$results"
done
