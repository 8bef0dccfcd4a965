#!/usr/bin/env bash
# Installs what is missing, checks the formatting of every C++ file, builds the test build with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test and, beside them, the data file fuzzer
# for a bounded time (FUZZ_SECONDS, default 60; 0 skips it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
jobs=$(nproc)

"$root/scripts/check-format.sh"

build="$root/build/test"
# Line tables (-g1) are all the sanitizers' reports need, and a tenth of the compile time less than
# full debug information.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DPLANOVA_SANITIZE=ON -DPLANOVA_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp"

# The fuzzer runs beside the tests: many tests wait on child processes, servers and timers, and the
# fuzzer uses what they leave of the processors. Its output is shown when both are done.
fuzz_log="$build/fuzz.log"
fuzz_pid=
if [[ -x "$root/scripts/fuzz.sh" && "${FUZZ_SECONDS:-60}" != 0 ]]; then
  "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-60}" >"$fuzz_log" 2>&1 &
  fuzz_pid=$!
fi
tests_status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" || tests_status=$?
fuzz_status=0
if [[ -n "$fuzz_pid" ]]; then
  wait "$fuzz_pid" || fuzz_status=$?
  echo "--- data file fuzzer (exit status $fuzz_status) ---"
  if [[ $fuzz_status -eq 0 ]]; then tail -n 20 "$fuzz_log"; else cat "$fuzz_log"; fi
fi
[[ $tests_status -eq 0 && $fuzz_status -eq 0 ]]
