#!/usr/bin/env bash
# CPU share, frames, resident memory and event-loop stalls of vornView with
# about 3000 live cells: 20 simulated hubs of 100 cells at hubsim's default rate
# (pages 0 to 19) and 999 cells through the simulated serial receiver
# (page 20), on a virtual display inside a private network namespace.
#
# The program starts on a live site (its first start creates and opens a
# project while the hubs are already sending: every cell comes online at once),
# warms up, then each tab is shown in turn and measured at steady state. At the
# end the hubs stop and, about half a minute later, their 2000 cells go offline
# together while the information page is shown.
#
# Frames are counted from the scene graph's render-loop log lines, stalls from
# the program's stall probe (VORN_STALL_PROBE), both in the program's log file.
#
#   bench/livecpu/run.sh [build folder, default build] [seconds per tab, default 60]
#                        [warm-up seconds, default 30] [tabs, default "0 1 2"]
# Tabs: 0 information page, 1 table, 2 bar chart, 3 plan, 4 line plot.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-60}"
warmup="${3:-30}"
tabs="${4-0 1 2}"

if [ "${VORN_INSIDE_NAMESPACE:-}" != 1 ]; then
    export VORN_INSIDE_NAMESPACE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tests/netns-run.sh" "$0" "$build" "$seconds" "$warmup" "$tabs"
fi

work="$(mktemp -d)"
mkdir -p "$work/tmp"
cp "$build/app/vornView" "$work/"
cd "$work"
"$build/tools/serialsim/serialsim" --cells 999 --rate 1 --link "$work/receiver" > /dev/null &
serialsim=$!
"$build/tools/hubsim/hubsim" --hubs 20 --first-page 0 --cells 100 > /dev/null &
hubsim=$!
cleanup() {
    kill "${program:-}" "$hubsim" "$serialsim" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 1 100); do [ -e receiver ] && break; sleep 0.05; done
printf '[General]\nm_serialPort=%s\n' "$work/receiver" > setting.ini

export XDG_RUNTIME_DIR="$work/tmp"
chmod 700 "$work/tmp"
TMPDIR="$work/tmp" QT_QPA_PLATFORM=xcb VORN_STALL_PROBE=1 \
    QT_LOGGING_RULES="qt.scenegraph.time.renderloop=true" ./vornView &
program=$!

ticks_per_second="$(getconf CLK_TCK)"
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program/stat"; }
rss_mib() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$program/status"; }
log_lines() { cat log/*_log.txt 2>/dev/null | wc -l; }
# The longest stall in the log lines read from standard input, with the GUI
# thread's own CPU time in it (on a busy machine the rest is other programs'
# turn on the cores), and the stall in which the GUI thread itself worked
# longest.
longest_stall() {
    sed -n 's/.*event-loop stall \([0-9]*\) ms (GUI thread busy \([0-9]*\) ms).*/\1 \2/p' \
        | awk '$1 > wall { wall = $1; wallbusy = $2 } $2 > busy { busy = $2; busywall = $1 }
               END { if (NR == 0) printf "under 50 ms"
                     else printf "%d ms (GUI thread busy %d ms of it; busiest stall %d ms of %d ms)",
                                 wall, wallbusy, busy, busywall }'
}
frames_since() { tail -n +"$(($1 + 1))" log/*_log.txt | grep -c "Frame rendered" || true; }

sleep "$warmup"
window="$(xdotool search --onlyvisible --name vornView | head -1)"
cells=$(grep -c "Create device ID" log/*_log.txt || true)
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg); cells created: $cells"
echo "start on a live site (first $warmup s): longest stall $(longest_stall < log/*_log.txt)"

names=("information page" "table" "bar chart" "plan" "line plot")
for tab in $tabs; do
    # The header's tab buttons are 80 pixels wide, 50 high, from the left edge.
    xdotool mousemove --window "$window" $((40 + 80 * tab)) 25 click 1
    sleep 5
    first_ticks="$(cpu_ticks)"
    first_line="$(log_lines)"
    sleep "$seconds"
    last_ticks="$(cpu_ticks)"
    last_line="$(log_lines)"
    frames="$(tail -n +"$((first_line + 1))" log/*_log.txt | head -n $((last_line - first_line)) | grep -c "Frame rendered" || true)"
    stall="$(tail -n +"$((first_line + 1))" log/*_log.txt | head -n $((last_line - first_line)) | longest_stall)"
    awk -v name="${names[$tab]}" -v t=$((last_ticks - first_ticks)) -v hz="$ticks_per_second" -v s="$seconds" \
        -v f="$frames" -v rss="$(rss_mib)" -v stall="$stall" -v load="$(cut -d' ' -f1 /proc/loadavg)" \
        'BEGIN { printf "%-16s CPU %5.1f %% of one core, %5.1f frames/s, resident %s MiB, longest stall %s (load %s)\n",
                 name, 100 * t / hz / s, f / s, rss, stall, load }'
done

# The offline burst, watched from the information page.
xdotool mousemove --window "$window" 40 25 click 1
burst_line="$(log_lines)"
kill "$hubsim"
wait "$hubsim" 2>/dev/null || true
before_offline=$(grep -c "离线\|:OFF" log/*_log.txt || true)
sleep 45
after_offline=$(grep -c "离线\|:OFF" log/*_log.txt || true)
echo "offline burst (hubs stopped, 45 s): $((after_offline - before_offline)) offline log lines," \
     "longest stall $(tail -n +"$((burst_line + 1))" log/*_log.txt | longest_stall), $(frames_since "$burst_line") frames" \
     "(load $(cut -d' ' -f1 /proc/loadavg))"
kill -TERM "$program"
wait "$program" || true
