#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/setup.sh" build -DCMAKE_BUILD_TYPE=Release -DARDENVO_TESTS=OFF
exec "$root/build/bin/ardenvo" "$@"
