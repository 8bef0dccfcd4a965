#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Planova.
# Arguments are passed to the program (for example a data file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLANOVA_TESTS=OFF >/dev/null
cmake --build "$build" --target planova planova-cli
exec "$build/planova" "$@"
