#!/usr/bin/env bash
# Builds the fuzz targets of the two readers with clang and runs both side by side for the
# given seconds (60 by default), seeded with the sample files. An input that breaks a promise
# is kept under build-fuzz/crash/ and the command fails. Not part of ./test.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-60}"
ARDENVO_EXTRA_PACKAGES="clang libclang-rt-dev" "$root/tools/setup.sh" build-fuzz \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DARDENVO_FUZZ=ON
cd "$root/build-fuzz"
mkdir -p crash
pids=()
for reader in orario simulazione; do
  mkdir -p "corpus/$reader"
  "bin/${reader}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -dict="$root/tests/fuzz/lettori.dict" -artifact_prefix="crash/$reader-" \
    "corpus/$reader" "$root/scenari" "$root/tests/data" >"$reader.log" 2>&1 &
  pids+=($!)
done
status=0
for i in 0 1; do wait "${pids[$i]}" || status=1; done
for reader in orario simulazione; do
  echo "== ${reader}_fuzz"
  grep -E "DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|Broken promise|ERROR|SUMMARY" \
    "$reader.log" || tail -20 "$reader.log"
done
[ "$status" -eq 0 ] && echo "No broken promise." || echo "A promise broke: see build-fuzz/crash/."
exit "$status"
