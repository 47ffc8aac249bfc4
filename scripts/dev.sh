#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then starts Tintwell ("run")
# or runs the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-run}"
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

# The second line is for Wayland (the native platform, a headless compositor and a private
# session bus for the tests' fake portal) and the third for the install and package checks.
packages=(build-essential cmake qt6-base-dev libxext-dev libx11-dev libxrandr-dev libbenchmark-dev
          xvfb xauth xdotool xclip xsel x11-utils x11-apps imagemagick openbox python3
          openssl ca-certificates qt6-wayland weston dbus-daemon
          desktop-file-utils appstream lintian dpkg-dev file clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [ "$mode" = run ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start Tintwell from a desktop session (or under xvfb-run)." >&2
    exit 1
  fi
  exec build/src/app/tintwell
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# TINTWELL_PACKAGE_TESTS=1 in the environment adds the install and Debian package checks.
export TINTWELL_PACKAGE_TESTS="${TINTWELL_PACKAGE_TESTS:-}"
chmod 700 "$XDG_RUNTIME_DIR"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" ctest --test-dir build --output-on-failure -j2
fi
exec ctest --test-dir build --output-on-failure -j2
