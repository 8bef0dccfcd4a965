#!/bin/sh
# Whole-process start-up to the first painted frame: the application against a bare Qt Widgets
# window (bench/startup/BareWindow.cpp), both started with -platform offscreen and quitting after
# their first frame (PLANOVA_EXIT_AFTER_FIRST_FRAME=1); once with no file and once with the
# twenty-year planner of bench/LargeDocument.h. The two programs run in turn, and the figure is the
# median CPU time (user + system of the process, in microseconds from wait4) of RUNS starts of each.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/bench 10)
set -eu
build=${1:-build/bench}
runs=${2:-10}
app=$build/planova
bare=$build/bench/BareWindow
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A private settings, recovery and socket folder: no last data file, no orphans, no running instance.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export PLANOVA_EXIT_AFTER_FIRST_FRAME=1
"$build/bench/WriteLargeFile" "$work/twenty-years.dat"

cpu() { # prints the CPU seconds of one run of the command
    python3 -c '
import os, sys
pid = os.fork()
if pid == 0:
    quiet = os.open(os.devnull, os.O_WRONLY)
    os.dup2(quiet, 1)
    os.dup2(quiet, 2)
    os.execv(sys.argv[1], sys.argv[1:])
usage = os.wait4(pid, 0)[2]
print("%.4f" % (usage.ru_utime + usage.ru_stime))' "$@" -platform offscreen
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure() { # label, then the file (or nothing)
    label=$1
    shift
    : >"$work/a"
    : >"$work/b"
    cpu "$app" "$@" >/dev/null # warm-up
    cpu "$bare" >/dev/null
    i=0
    while [ "$i" -lt "$runs" ]; do
        cpu "$app" "$@" >>"$work/a"
        cpu "$bare" >>"$work/b"
        i=$((i + 1))
    done
    a=$(median <"$work/a")
    b=$(median <"$work/b")
    awk -v l="$label" -v a="$a" -v b="$b" 'BEGIN { printf "%-16s planova %.4f s  bare window %.4f s  ratio %.2f\n", l, a, b, a / b }'
}

echo "CPU time to the first frame, median of $runs runs"
measure "no file"
measure "twenty years" "$work/twenty-years.dat"
