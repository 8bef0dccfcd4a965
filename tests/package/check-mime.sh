#!/usr/bin/env bash
# Installs a build folder into a temporary prefix, builds that prefix's MIME database and asks the
# desktop's own tools (gio info, and xdg-mime as a GNOME desktop runs it) for the type of a Planova
# data file, a text file and random bytes, each named ".dat": only the data file is ours.
#   check-mime.sh BUILD_FOLDER DATA_FILE
set -euo pipefail
build=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-mime: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "install failed"; }
export XDG_DATA_DIRS="$work/prefix/share:/usr/share" XDG_DATA_HOME="$work/home" XDG_CURRENT_DESKTOP=GNOME
update-mime-database "$work/prefix/share/mime" || fail "update-mime-database failed"

mkdir "$work/files"
cp "$data" "$work/files/planner.dat"
printf 'hello\n' >"$work/files/hello.dat"
# Random bytes from a fixed seed, so that no run can stumble on another format's magic by chance.
python3 -c 'import random, sys; random.seed(7); sys.stdout.buffer.write(random.randbytes(4096))' >"$work/files/random.dat"

check() {
  local file=$1 expected=$2 gio xdg
  gio=$(gio info -a standard::content-type "$work/files/$file" | sed -n 's/^ *standard::content-type: //p')
  xdg=$(xdg-mime query filetype "$work/files/$file")
  echo "$file: gio $gio, xdg-mime $xdg"
  [[ "$gio" == "$expected" ]] || fail "gio types $file as $gio, expected $expected"
  [[ "$xdg" == "$expected" ]] || fail "xdg-mime types $file as $xdg, expected $expected"
}
check planner.dat application/x-planova
check hello.dat text/plain
check random.dat application/octet-stream
