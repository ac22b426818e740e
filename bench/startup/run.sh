#!/usr/bin/env bash
# Start-up time of vornView to the workspace shown: from launching the program
# until its window is mapped on the display and the workspace has been built
# for the opened project (the project controller's "打开项目成功" log line is
# written right after the workspace builder ran). Each start is a first start
# in a fresh working folder (the temporary project is created, then opened),
# on a virtual display inside a private network namespace with hubsim playing
# three hubs. Prints each start and the median in seconds.
#
#   bench/startup/run.sh [build folder, default build] [starts, default 5]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
starts="${2:-5}"

if [ "${VORN_INSIDE_NAMESPACE:-}" != 1 ]; then
    export VORN_INSIDE_NAMESPACE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tests/netns-run.sh" "$0" "$build" "$starts"
fi

"$build/tools/hubsim/hubsim" --hubs 3 --first-page 1 --cells 20 > /dev/null &
hubsim=$!
now() { date +%s.%N; }
times=()
for run in $(seq 1 "$starts"); do
    work="$(mktemp -d)"
    mkdir -p "$work/tmp"
    cp "$build/app/vornView" "$work/"
    cd "$work"
    begin="$(now)"
    TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb ./vornView > /dev/null 2>&1 &
    program=$!
    xdotool search --sync --onlyvisible --name '^vornView$' > /dev/null
    until grep -qs "打开项目成功" log/*_log.txt; do sleep 0.01; done
    elapsed="$(awk -v end="$(now)" -v begin="$begin" 'BEGIN { print end - begin }')"
    times+=("$elapsed")
    printf 'start %d: %.2f s\n' "$run" "$elapsed"
    kill -TERM "$program"
    wait "$program" || true
    cd /
    rm -rf "$work"
done
kill "$hubsim"
wait "$hubsim" || true
median="$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')"
printf 'median start-up to the workspace shown: %.2f s over %d starts\n' "$median" "$starts"
