#!/usr/bin/env bash
# Builds the data file reader fuzzer with clang in build/fuzz and runs it for SECONDS
# (default 60), seeded with the files of tests/data. Exits non-zero when it finds a crash,
# a leak, a hang (one input taking longer than 10 s) or an input using more than 2 GB.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLANOVA_GUI=OFF -DPLANOVA_TESTS=OFF -DPLANOVA_FUZZ=ON >/dev/null
cmake --build "$build" --target DataFileReaderFuzz

corpus="$build/corpus"
seeds="$build/seeds"
mkdir -p "$corpus" "$seeds" "$build/artifacts"
cp "$root"/tests/data/*.dat "$root"/tests/fuzz/seeds/*.dat "$seeds/"

"$build/tests/fuzz/DataFileReaderFuzz" "$corpus" "$seeds" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
  -dict="$root/tests/fuzz/datafile.dict" -artifact_prefix="$build/artifacts/" -print_final_stats=1
