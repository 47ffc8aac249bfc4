#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer, ASan, UBSan) in build-fuzz and runs each
# for N executions (default 1000000) of inputs up to 1 KiB, but no longer than FUZZ_SECONDS
# (default 1800) each, from its seeds with a fixed random seed (FUZZ_SEED, default 1). Prints the
# executions and coverage of each target and exits non-zero when one finds a crash, a sanitizer
# report or a broken invariant; the input that did it is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-1000000}"
dir=build-fuzz
targets=(IniText Pallette Scheme Numbers SettingsText UpdateInfo)

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTINTWELL_FUZZ=ON -DTINTWELL_BUILD_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
      >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >"$dir/build.log" 2>&1 ||
  { tail -40 "$dir/build.log"; exit 1; }

export UBSAN_OPTIONS=print_stacktrace=1
# The targets write their files in memory when they can.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p "$dir/findings"
failed=0
printf '%-13s %11s %6s %7s %6s  %s\n' target executions cov ft secs result
for t in "${targets[@]}"; do
  # New inputs go to the build folder's corpus; fuzz/corpus holds the seeds and the findings mended.
  mkdir -p "$dir/corpus/$t"
  log="$dir/fuzz_$t.log"
  result=ok
  start=$SECONDS
  "$dir/fuzz/fuzz_$t" -runs="$runs" -max_total_time="${FUZZ_SECONDS:-1800}" -seed="${FUZZ_SEED:-1}" \
      -max_len=1024 -dict="fuzz/$t.dict" -artifact_prefix="$dir/findings/$t-" -print_final_stats=1 \
      "$dir/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1 || { result=FINDING; failed=1; }
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  printf '%-13s %11s %6s %7s %6s  %s\n' "$t" \
      "$(grep -oP 'number_of_executed_units: *\K[0-9]+' "$log" || echo '?')" \
      "$(grep -oP 'cov: \K[0-9]+' <<<"$last" || echo '?')" \
      "$(grep -oP 'ft: \K[0-9]+' <<<"$last" || echo '?')" "$((SECONDS - start))" "$result"
  [ "$result" = ok ] || grep -E 'broken:|ERROR|SUMMARY|runtime error' "$log" | head -5
done
exit $failed
