#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them all (or those named as arguments).
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/setup.sh" build-bench -DCMAKE_BUILD_TYPE=Release -DARDENVO_TESTS=OFF -DARDENVO_BENCH=ON
cd "$root/build-bench/bin"
if [ $# -gt 0 ]; then benches=("$@"); else benches=(*_bench); fi
for b in "${benches[@]}"; do
  echo "== $b"
  QT_QPA_PLATFORM=offscreen "./$b"
done
