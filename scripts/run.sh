#!/usr/bin/env bash
# Installs what is missing, builds Brevandel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target brevandel
exec ./build/run/brevandel
