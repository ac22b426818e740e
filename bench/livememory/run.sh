#!/usr/bin/env bash
# Resident memory of vornView over a long live session with about 3000 cells:
# 20 simulated hubs of 100 cells (pages 0 to 19) and 999 cells through the
# simulated serial receiver (page 20), on a virtual display inside a private
# network namespace. Prints the resident size once a minute; the figure is the
# size after the last minute against the size after the first.
#
#   bench/livememory/run.sh [build folder, default build] [minutes, default 10]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
minutes="${2:-10}"

if [ "${VORN_INSIDE_NAMESPACE:-}" != 1 ]; then
    export VORN_INSIDE_NAMESPACE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tests/netns-run.sh" "$0" "$build" "$minutes"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tmp"
cp "$build/app/vornView" "$work/"
cd "$work"
"$build/tools/serialsim/serialsim" --cells 999 --rate 1 --link "$work/receiver" > /dev/null &
serialsim=$!
"$build/tools/hubsim/hubsim" --hubs 20 --first-page 0 --cells 100 > /dev/null &
hubsim=$!
for _ in $(seq 1 100); do [ -e receiver ] && break; sleep 0.05; done
printf '[General]\nm_serialPort=%s\n' "$work/receiver" > setting.ini

TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb ./vornView &
program=$!
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$program/status"; }
first=""
for minute in $(seq 1 "$minutes"); do
    sleep 60
    now="$(rss)"
    [ -n "$first" ] || first="$now"
    cells=$(grep -c "Create device ID" log/*_log.txt || true)
    echo "minute $minute: resident $((now / 1024)) MiB ($now kB), cells created $cells"
done
echo "resident after 1 minute: $((first / 1024)) MiB, after $minutes minutes: $((now / 1024)) MiB," \
     "change $(((now - first) / 1024)) MiB ($(( (now - first) * 100 / first ))%)"
kill -TERM "$program"
wait "$program" || true
kill "$hubsim" "$serialsim" 2>/dev/null || true
wait "$hubsim" "$serialsim" 2>/dev/null || true
