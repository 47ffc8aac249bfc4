#!/usr/bin/env bash
# CPU share of the tintwell process while the magnifier runs, over a few seconds, under Xvfb.
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
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0/tintwell" & pid=$!
  xdotool search --sync --onlyvisible --pid "$pid" --name "^Tintwell$" >/dev/null
  xdotool mousemove 640 400
  sleep 1
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  hz=$(getconf CLK_TCK)
  before=$(ticks); sleep "$1"; after=$(ticks)
  echo "magnifying: $(( (after - before) * 100 / hz / $1 ))% of one core over $1 s"
  kill "$pid"' "$work" "$seconds"
