#!/usr/bin/env bash
# Try vornView without hardware, in one command: three simulated hubs (pages 1
# to 3, 20 cells each, drifting into warnings and alarms, with faults and
# offline spells) and a simulated USB Bluetooth receiver (4 cells on page 20)
# run with the program inside a private network namespace, so nothing reaches a
# real network. Needs no root.
#
#   tools/try-without-hardware.sh             # on this desktop's display
#   tools/try-without-hardware.sh --xvfb      # on a virtual display (no desktop)
#
# Everything the run writes (settings, log, project, recordings, the
# simulators' output, screenshots under --xvfb) lands in build/try/, which is
# kept from run to run. Close the window, press Ctrl+C or send SIGTERM to end:
# the program saves its project on the way out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORN_BUILD_DIR:-$root/build}"
work="$build/try"

use_xvfb=0
case "${1:-}" in
    --xvfb) use_xvfb=1 ;;
    --inside-namespace) inside=1 ;;
    "") ;;
    *) echo "usage: $0 [--xvfb]" >&2; exit 2 ;;
esac

# The simulators and the program, inside the namespace. The simulators end
# with the program.
session() {
    cd "$work"
    "$build/tools/hubsim/hubsim" --hubs 3 --first-page 1 --cells 20 > hubsim.jsonl &
    local hubsim=$!
    rm -f receiver
    "$build/tools/serialsim/serialsim" --cells 4 --rate 10 --link "$work/receiver" > serialsim.log &
    local serialsim=$!
    for _ in $(seq 1 100); do
        [ -e receiver ] && break
        sleep 0.05
    done
    if [ -n "${VORN_TRY_SCREENSHOT:-}" ]; then
        (sleep 15 && import -window root "$work/screenshot.png" && echo "screenshot: $work/screenshot.png") &
    fi
    echo "vornView runs in $work (hub simulator output: hubsim.jsonl, log: log/)"
    ./vornView &
    local program=$!
    echo "$program" > vornView.pid
    # Ctrl+C and SIGTERM reach the program, which saves its project and
    # quits; the simulators end after it.
    trap 'kill -TERM "$program" 2>/dev/null || true' INT TERM
    local status=0
    while kill -0 "$program" 2>/dev/null; do
        wait "$program" && status=0 || status=$?
    done
    trap - INT TERM
    rm -f vornView.pid
    kill "$hubsim" "$serialsim" 2>/dev/null || true
    wait "$hubsim" "$serialsim" 2>/dev/null || true
    return "$status"
}

if [ "${inside:-0}" = 1 ]; then
    session
    exit
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    use_xvfb=1
fi

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target vornView hubsim serialsim -j"$(nproc)"

# The program writes its log and its default project folder next to the
# executable, so it runs from a copy inside the working folder.
mkdir -p "$work"
cp "$build/app/vornView" "$work/vornView"

# The simulated cells weigh tonnes, far past the bar chart's default axes
# (2500 and 250 kg): a new trial project starts with axis adaptation on in its
# main bar chart, so the bars mean something. A project of an earlier run is
# kept as it is.
project="$work/0_Project_source/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"
if [ ! -e "$project" ]; then
    mkdir -p "$(dirname "$project")"
    cat > "$project" <<'JSON'
{
    "WeightingControlParent": {"Number": 1, "WeightingControl": {"index": 1, "CELL DATA": [
        {"pageId": 1, "index": 0, "name": "ALL LOAD", "type": "ALL LOAD",
         "minErr": 0, "minWarn": 0, "maxWarn": 0, "maxErr": 0}]}},
    "TableParts": [{"index": 0, "name": "Root", "CellList": [],
        "allTotalData": 2500, "cellMaxData": 250, "gt1_checked": true, "mmb1_checked": true,
        "oua1_checked": true, "wm1_checked": true, "checkBox_axisAdap_checked": true,
        "horizontalSlider_value": 50}]
}
JSON
fi

# The serial port setting names the simulator's terminal link; every other
# setting of an earlier run is kept.
settings="$work/setting.ini"
if [ -f "$settings" ] && grep -q '^m_serialPort=' "$settings"; then
    sed -i "s|^m_serialPort=.*|m_serialPort=$work/receiver|" "$settings"
elif [ -f "$settings" ] && grep -q '^\[General\]' "$settings"; then
    sed -i "s|^\[General\]|[General]\nm_serialPort=$work/receiver|" "$settings"
else
    printf '[General]\nm_serialPort=%s\n' "$work/receiver" >> "$settings"
fi

# The script runs itself again inside the namespace, where it starts session.
self="$root/tools/try-without-hardware.sh"
export VORN_BUILD_DIR="$build"
if [ "$use_xvfb" = 1 ]; then
    # The virtual display runs in a session of its own: an X server quits on
    # Ctrl+C, which would take the program's display away before it saved.
    export VORN_TRY_SCREENSHOT=1
    setsid xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tests/netns-run.sh" "$self" --inside-namespace &
    display=$!
    trap 'kill -TERM "$(cat "$work/vornView.pid" 2>/dev/null)" 2>/dev/null || true' INT TERM
    status=0
    while kill -0 "$display" 2>/dev/null; do
        wait "$display" && status=0 || status=$?
    done
    exit "$status"
fi
exec "$root/tests/netns-run.sh" "$self" --inside-namespace
