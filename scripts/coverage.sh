#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test suite, from a --coverage build in a folder of
# its own (build-coverage). Not part of CI. Prints gcovr's summary; with "html" it also writes
# build-coverage/coverage.html.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v gcovr >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends gcovr
fi

dir=build-coverage
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTINTWELL_BUILD_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="--coverage -O0 -fprofile-update=atomic" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build "$dir" -j"$(nproc)"
find "$dir" -name '*.gcda' -delete

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest_cmd=(ctest --test-dir "$dir" --output-on-failure -j2)
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x800x24" "${ctest_cmd[@]}" || true
else
  "${ctest_cmd[@]}" || true
fi

# Only our own code counts: src/, without the moc output the build generates there.
args=(--root . --filter 'src/' --exclude '.*_autogen/.*' --exclude-unreachable-branches
      --exclude-throw-branches --print-summary "$dir")
if [ "${1:-}" = html ]; then
  gcovr "${args[@]}" --html-details "$dir/coverage.html"
else
  gcovr "${args[@]}"
fi
