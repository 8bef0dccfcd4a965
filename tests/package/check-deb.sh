#!/usr/bin/env bash
# Builds the Debian package of a build folder into a temporary folder and checks it: its file list,
# the dependencies computed from the binaries, lintian, the desktop entry (desktop-file-validate),
# the AppStream metadata (appstreamcli validate), the manual pages (man -l), the bash completion,
# and that the programs run from a root it was unpacked into.
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

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
expected="./usr/bin/planova
./usr/bin/planova-cli
./usr/lib/$multiarch/planova/planova-interchange.so
./usr/share/applications/planova.desktop
./usr/share/bash-completion/completions/planova-cli
./usr/share/doc/planova/changelog.gz
./usr/share/doc/planova/copyright
./usr/share/icons/hicolor/scalable/apps/planova.svg
./usr/share/man/ja/man1/planova-cli.1.gz
./usr/share/man/ja/man1/planova.1.gz
./usr/share/man/man1/planova-cli.1.gz
./usr/share/man/man1/planova.1.gz
./usr/share/metainfo/jp.korvane.Planova.metainfo.xml
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

maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" != *localhost* ]] || fail "the maintainer's address is on localhost: $maintainer"

# lintian: no error and no warning. A debug build is not optimised, so its functions cannot be
# fortified; that one tag is left to the release build (see the README).
suppressed=()
[[ $(grep -s '^CMAKE_BUILD_TYPE:' "$build/CMakeCache.txt") == *=Release ]] ||
  suppressed=(--suppress-tags hardening-no-fortify-functions)
lintian --fail-on error,warning --display-info "${suppressed[@]}" "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log" >&2; fail "lintian reports errors or warnings"; }
echo "lintian: $(grep -c '^E:' "$work/lintian.log" || true) errors, $(grep -c '^W:' "$work/lintian.log" || true) warnings, $(grep -c '^I:' "$work/lintian.log" || true) informational"
sed 's/^/  /' "$work/lintian.log"

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/planova.desktop" || fail "desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/jp.korvane.Planova.metainfo.xml" ||
  fail "the AppStream metadata is not valid"
for page in "$root"/usr/share/man/man1/*.1.gz "$root"/usr/share/man/ja/man1/*.1.gz; do
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$work/man.err") || fail "man -l $page failed"
  [[ ! -s "$work/man.err" ]] || { cat "$work/man.err" >&2; fail "man -l $page warns"; }
  [[ "$text" == *planova* ]] || fail "$page renders empty"
done
[[ -x "$root/usr/bin/planova" ]] || fail "planova is not executable"
for program in planova planova-cli; do
  version=$("$root/usr/bin/$program" --version) || fail "$program --version failed"
  [[ "$version" == "$program $(dpkg-deb -f "$deb" Version)" ]] || fail "$program --version printed: $version"
done

# The completion, as bash runs it: commands, a command's options, and files by their extension.
mkdir "$work/files" "$work/files/folder"
touch "$work/files/year.dat" "$work/files/notes.txt" "$work/files/out.xlsx"
complete_line() {
  (cd "$work/files" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _planova_cli planova-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ "$root/usr/share/bash-completion/completions/planova-cli" "$@")
}
check_completion() {
  local expected=$1
  shift
  local got
  got=$(complete_line "$@")
  [[ "$got" == "$expected" ]] || fail "completing '$*' gave '$got', expected '$expected'"
}
check_completion "export " planova-cli ex
check_completion "--xlsx " planova-cli export year.dat --x
check_completion "folder year.dat " planova-cli export ""
check_completion "folder out.xlsx " planova-cli export year.dat --xlsx -o ""
check_completion "bible " planova-cli print year.dat --paper b

help=$("$root/usr/bin/planova-cli" --help) || fail "planova-cli --help failed"
[[ "$help" == *"planova-cli export"* ]] || fail "planova-cli --help does not list export: $help"
"$root/usr/bin/planova-cli" export "$data" --csv -o "$work/days.csv" || fail "planova-cli export failed"
[[ $(head -c 3 "$work/days.csv" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "the CSV has no byte-order mark"
echo "the package installs and its programs run"
