#!/usr/bin/env bash
# Builds the Debian package of a build folder into a temporary folder and checks it: its file list,
# the dependencies computed from the binaries, the desktop entry (desktop-file-validate), and that
# the programs run from a root it was unpacked into.
#   check-deb.sh BUILD_FOLDER DATA_FILE
set -euo pipefail
build=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }

# gzip: the package of a debug build is large, and its compression is not what is tested here.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" \
  -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

expected="./usr/bin/planova
./usr/bin/planova-cli
./usr/share/applications/planova.desktop
./usr/share/icons/hicolor/scalable/apps/planova.svg
./usr/share/mime/packages/planova.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[[ "$files" == "$expected" ]] || fail "file list differs:
$files
expected:
$expected"

[[ $(dpkg-deb -f "$deb" Package) == planova ]] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libical3 libc6 qt6-qpa-plugins; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library"
done

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/planova.desktop" || fail "desktop entry is not valid"
[[ -x "$root/usr/bin/planova" ]] || fail "planova is not executable"

help=$("$root/usr/bin/planova-cli" --help) || fail "planova-cli --help failed"
[[ "$help" == *"planova-cli export"* ]] || fail "planova-cli --help does not list export: $help"
"$root/usr/bin/planova-cli" export "$data" --csv -o "$work/days.csv" || fail "planova-cli export failed"
[[ $(head -c 3 "$work/days.csv" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "the CSV has no byte-order mark"
echo "the package installs and its programs run"
