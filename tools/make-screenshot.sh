#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the README's screenshot, docs/screenshot.png: the built program on a virtual screen,
# a duo match opened through the start and setup dialogs and a few turns typed on the keyboard,
# the main window captured. Needs xvfb, x11-utils, xdotool and imagemagick.
#   tools/make-screenshot.sh [build folder]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build}")/bin/Vorlentix
out=$PWD/docs/screenshot.png

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done

LC_ALL=C.UTF-8 "$program" --home "$work/home" &
pids+=($!)

# Waits for a window of that title and prints its id.
window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Clicks a point given in twips (15 to a pixel) inside a window.
click() {
  xdotool mousemove --window "$1" $(($2 / 15 + 4)) $(($3 / 15 + 4)) click 1
  sleep 0.5
}
type_keys() {
  xdotool type --delay 80 "$1"
  sleep 0.3
}

start=$(window Vorlentix)
sleep 1
click "$start" 5610 3120 # Open, with Duo Match chosen
sleep 2
main=$(xdotool search --sync --onlyvisible --name '^Vorlentix$' | tail -1)
# The second menu button below the score list opens the duo setup.
xdotool mousemove --window "$main" 84 580 click 1
setup=$(window "Duo Match")
sleep 1
click "$setup" 180 780 # the first player's name
xdotool key ctrl+a
type_keys "Anna"
click "$setup" 180 1200
xdotool key ctrl+a
type_keys "Bram"
click "$setup" 180 240 # the file name
xdotool key ctrl+a
type_keys "clubavond"
click "$setup" 5430 2910 # Ok
sleep 2
xdotool windowfocus "$main"
for turn in "T20 T20 T20" "20 T19 5" "T20 19 T20" "T19 T19 D12"; do
  for dart in $turn; do type_keys "$dart "; done
  xdotool key Return
  sleep 0.8
done
sleep 1
mkdir -p docs
import -window "$main" "$out"
echo "wrote $out"
