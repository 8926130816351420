#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBREVANDEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target $(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
# Qt builds its font and image-format tables on first use and keeps them: not leaks of ours.
for target in build-fuzz/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="fuzz/corpus/${name#fuzz_}"
  work="build-fuzz/corpus-${name#fuzz_}"
  mkdir -p "$work"
  echo "== $name for ${seconds}s"
  "$target" "$work" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 -artifact_prefix=build-fuzz/ -print_final_stats=1 2>&1 | tail -4
done
