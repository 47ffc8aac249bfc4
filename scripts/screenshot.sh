#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the main window under Xvfb on a fresh settings folder, with a
# colour applied from the hex entry and the magnifier on.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/src/app/tintwell "$work/"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0/tintwell" & pid=$!
  id=$(xdotool search --sync --onlyvisible --pid "$pid" --name "^Tintwell$" | head -n 1)
  xdotool windowactivate --sync "$id" 2>/dev/null || true  # no window manager: may refuse
  eval "$(xdotool getwindowgeometry --shell "$id")"
  top=$((Y + HEIGHT - 456))                       # the client area, below the menu bar
  xdotool mousemove 300 $((top + 180)) click 1    # the hex entry
  sleep 0.2; xdotool type --delay 60 3366cc; sleep 0.2; xdotool key space; sleep 0.2
  xdotool mousemove 335 $((top + 140)) click 1    # Magnify
  xdotool mousemove 190 $((top + 60)); sleep 1
  import -window "$id" "$1"
  kill "$pid"' "$work" docs/screenshot.png
echo "wrote docs/screenshot.png"
