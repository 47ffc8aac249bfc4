#!/usr/bin/env bash
# CPU share of the tintwell process and of the X server while the magnifier runs with the pointer
# still, then while the window is minimised, over a few seconds each, under Xvfb with openbox.
#   bench/magnifier_cpu.sh [build/src/app/tintwell] [seconds]
set -euo pipefail
binary=$(realpath "${1:-build/src/app/tintwell}")
seconds=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Tintwell" -m 700 "$work/runtime"
printf '[settings]\nMagnify=1\n' > "$work/config/Tintwell/tintwell.ini"
cp "$binary" "$work/"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  server=$(pgrep -f "^Xvfb $DISPLAY( |\$)" | head -n 1)
  openbox >/dev/null 2>&1 & wm=$!
  sleep 1
  "$0/tintwell" & pid=$!
  window=$(xdotool search --sync --onlyvisible --pid "$pid" --name "^Tintwell$" | head -n 1)
  xdotool mousemove 640 400
  sleep 1
  ticks() { awk "{print \$14 + \$15}" /proc/$1/stat; }
  hz=$(getconf CLK_TCK)
  share() { # share of one core, in tenths of a percent, over $1 seconds, for each pid given
    local -a before; local p
    for p in "${@:2}"; do before+=($(ticks "$p")); done
    sleep "$1"
    local i=0
    for p in "${@:2}"; do
      printf " %s=%s%%" "$(cat /proc/$p/comm)" \
        "$(awk -v d=$(( $(ticks "$p") - before[i] )) -v hz=$hz -v s=$1 \
            "BEGIN { printf \"%.1f\", d * 100 / hz / s }")"
      i=$((i + 1))
    done
    echo
  }
  echo -n "magnifying, pointer still:"; share "$1" "$pid" "$server"
  xdotool windowminimize --sync "$window"
  sleep 1
  echo -n "minimised:                 "; share "$1" "$pid" "$server"
  kill "$pid" "$wm"' "$work" "$seconds"
