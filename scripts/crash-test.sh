#!/bin/sh
# Kills the real application 50 times with SIGKILL while it edits, and checks after each restart
# that every edit confirmed more than one second before the kill is recovered. Prints the figure.
# Usage: scripts/crash-test.sh [build folder, default build/test] [kills, default 50]
set -eu
build=${1:-build/test}
kills=${2:-50}
test -x "$build/tests/ShellDurabilityTest" || { echo "build ShellDurabilityTest in $build first" >&2; exit 2; }
QTEST_FUNCTION_TIMEOUT=3600000 QT_QPA_PLATFORM=offscreen PLANOVA_CRASH_KILLS=$kills PLANOVA_CRASH_MARGIN_MS=1000 \
    "$build/tests/ShellDurabilityTest" EveryEditConfirmedBeforeAKillIsRecovered
