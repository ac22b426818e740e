#!/usr/bin/env bash
# Renders the interface's pictures from the SVG drawings beside this script and
# synthesises its two alarm sounds. The output is committed under ui/pic/ and
# ui/media/; run this again after changing a drawing.
# Needs rsvg-convert (librsvg2-bin), sox and lame.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
pic="$root/ui/pic"
media="$root/ui/media"
mkdir -p "$pic" "$media"

# Icons are drawn on a 64-pixel grid and rendered at twice that size, so they
# stay sharp on high-density screens when the views scale them down.
for svg in "$here"/icons/*.svg; do
    name="$(basename "$svg" .svg)"
    case "$name" in
        backpicture) size=() ;;          # the plan background keeps its own size
        *) size=(--width 128 --height 128) ;;
    esac
    rsvg-convert "${size[@]}" --format png --output "$pic/$name.png" "$svg"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Fault/offline alarm: a two-tone siren, three cycles, with short fades so the
# tone never clicks when it starts or stops.
sox -n -r 22050 -c 1 -b 16 "$tmp/hi.wav" synth 0.22 sine 880 fade 0.01 0.22 0.01
sox -n -r 22050 -c 1 -b 16 "$tmp/lo.wav" synth 0.22 sine 660 fade 0.01 0.22 0.01
sox "$tmp/hi.wav" "$tmp/lo.wav" "$tmp/hi.wav" "$tmp/lo.wav" "$tmp/hi.wav" "$tmp/lo.wav" \
    "$tmp/alarm.wav" gain -3
# Reproducible output: no encoder tag with a version or date.
lame --quiet --noreplaygain -b 64 -t "$tmp/alarm.wav" "$media/alarm.mp3"

# Weight alarm: three short beeps at 1.2 kHz.
sox -n -r 22050 -c 1 -b 16 "$tmp/beep.wav" synth 0.12 sine 1200 fade 0.005 0.12 0.005
sox -n -r 22050 -c 1 -b 16 "$tmp/gap.wav" trim 0 0.08
sox "$tmp/beep.wav" "$tmp/gap.wav" "$tmp/beep.wav" "$tmp/gap.wav" "$tmp/beep.wav" \
    "$media/sound.wav" gain -3
