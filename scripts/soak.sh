#!/usr/bin/env bash
# Builds the soak test and plays a long seeded run of random use across every screen.
# Usage: scripts/soak.sh [events] [seed]   (default: 50000 events and a fresh random seed)
set -euo pipefail
cd "$(dirname "$0")/.."

events=${1:-50000}
seed=${2:-random}
if [ "$seed" = random ]; then
  seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
fi
case "$events$seed" in
  *[!0-9]*) echo "usage: scripts/soak.sh [events] [seed], both whole numbers" >&2; exit 2 ;;
esac

echo "soak: seed $seed, $events events (replay with: scripts/soak.sh $events $seed)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target test_soak brevandel_pictures brevandel_data
BREVANDEL_SOAK_EVENTS=$events BREVANDEL_SOAK_SEED=$seed QT_QPA_PLATFORM=offscreen \
  exec ./build/tests/test_soak --gtest_filter='Soak.RandomUseOfEveryScreenKeepsTheRules'
