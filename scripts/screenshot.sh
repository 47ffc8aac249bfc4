#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the main window on a fresh settings folder, under Xvfb.
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
  sleep 1
  import -window "$id" "$1"
  kill "$pid"' "$work" docs/screenshot.png
echo "wrote docs/screenshot.png"
