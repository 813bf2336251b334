#!/usr/bin/env bash
# Checks the start-up watcher on its own Xvfb: that it times the floor window's map and paint
# in order, keeps the frame it timed, reads a peak, and tells a window that never comes, a
# program that ends first and one that cannot start apart from a good run.
# Usage: check-xwatch.sh XWATCH STARTUP_FLOOR
set -euo pipefail
xwatch=$1 floor=$2
work="$(mktemp -d)"
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

failures=0
check() { # what, then a command that must succeed
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" <<< "$2"; }

line=$("$xwatch" -t "Qt floor" -s 200 -w 30000 -o "$work/frame.ppm" -- "$floor") || true
echo "floor: $line"
map=$(field map_ms "$line") paint=$(field paint_ms "$line") peak=$(field peak_kib "$line")
check "the floor paints" test "$(field status "$line")" = ok
check "the map comes after the start, the paint not before the map" \
  awk -v m="$map" -v p="$paint" 'BEGIN { exit !(m > 0 && p >= m) }'
check "a peak of some MiB is read" test "${peak:-0}" -gt 1024
check "the timed frame is kept at the window's size" \
  test "$(head -c 15 "$work/frame.ppm")" = "P6 1100 780 255"

set +e
line=$("$xwatch" -t "no such title" -s 0 -w 3000 -- "$floor")
rc=$?
set -e
check "a window that never matches times out" test "$rc $(field status "$line")" = "1 timeout"
check "... with its map and paint unset" \
  test "$(field map_ms "$line") $(field paint_ms "$line")" = "-1.0 -1.0"

mkdir "$work/dir"
set +e
line=$("$xwatch" -C "$work/dir" -t x -w 30000 -- sh -c 'pwd > here')
rc=$?
set -e
check "a program that ends first is told apart" test "$rc $(field status "$line")" = "1 exited"
check "the program starts in the given folder" test "$(cat "$work/dir/here")" = "$work/dir"

set +e
"$xwatch" -t x -- "$work/no such program" 2>/dev/null
rc=$?
set -e
check "a program that cannot start is a set-up error" test "$rc" = 2

echo "$((9 - failures)) passed, $failures failed"
[ "$failures" = 0 ]
