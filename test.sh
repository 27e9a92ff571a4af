#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/setup.sh" build-test -DCMAKE_BUILD_TYPE=Debug -DARDENVO_SANITIZE=ON -DARDENVO_TESTS=ON -DARDENVO_WERROR=ON
cd "$root/build-test"
ctest --output-on-failure -j "$(nproc)"
