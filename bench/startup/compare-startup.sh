#!/usr/bin/env bash
# Whole-process start to the first shown window under Xvfb, and the peak memory of that run,
# for Verbaloom on the shipped database and, side by side, KWordQuiz on a 4,000-entry KVTML
# file of the same words. Usage: bench/startup/compare-startup.sh [build dir] [runs]
# KWordQuiz comes from Debian's kwordquiz package (apt-get install kwordquiz); without it only
# Verbaloom is measured.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-7}"
work="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/home/config/verbaloom" "$work/data" "$work/run"
chmod 700 "$work/run"
printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' > "$work/home/config/verbaloom/verbaloom.ini"
cp "$build/dbnk.db" "$work/data/dbnk.db"
python3 "$root/bench/startup/make-kvtml.py" "$root/share/words.csv" "$work/words.kvtml" 4000 >/dev/null

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=":$display" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
       XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb

# Starts a program in a folder, waits for its first visible window whose title matches;
# prints "<ms> <peak KiB>".
measure() {
  local title=$1 dir=$2; shift 2
  local start end pid
  start=$(date +%s%N)
  (cd "$dir" && exec "$@" >/dev/null 2>&1) &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" --name "$title" >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s%N)
  sleep 1.5 # let it settle, so the peak covers the first screen and what follows at once
  local peak
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $peak"
}

report() {
  local name=$1; shift
  local times=() peaks=()
  for _ in $(seq "$runs"); do
    read -r t p < <(measure "$@")
    times+=("$t"); peaks+=("$p")
  done
  local tmed pmax
  tmed=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  pmax=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  printf '%-10s start to first window: median %s ms (runs: %s); peak RSS: %s MiB\n' \
    "$name" "$tmed" "${times[*]}" "$(( pmax / 1024 ))"
}

# KWordQuiz locks the file it opens; each run gets a fresh copy.
kwordquiz_run() {
  local copy="$work/words-$RANDOM$RANDOM.kvtml"
  cp "$work/words.kvtml" "$copy"
  exec kwordquiz "$copy"
}
export -f kwordquiz_run
export work

report Verbaloom "Verbaloom - The Vocabulary" "$work/data" "$build/src/verbaloom"
if command -v kwordquiz >/dev/null; then
  report KWordQuiz "KWordQuiz" "$work" bash -c kwordquiz_run
else
  echo "KWordQuiz is not installed: apt-get install kwordquiz"
fi
