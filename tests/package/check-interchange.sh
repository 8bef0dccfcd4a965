#!/usr/bin/env bash
# The application starts without the libraries of the interchange module (libical, libxlsxwriter,
# Qt Network, QtKeychain), and the module finds every function of the program it calls in the
# program's exported symbols, so that loading it on first use cannot fail for a missing one.
#   check-interchange.sh PROGRAM MODULE
set -euo pipefail
program=$1
module=$2
fail() { echo "check-interchange: $*" >&2; exit 1; }

needed=$(readelf -d "$program" | awk '/NEEDED/ { gsub(/[][]/, "", $5); print $5 }')
echo "the program needs: $(echo $needed)"
for library in libical libxlsxwriter libQt6Network libqt6keychain libcrypto; do
  if grep -q "^$library" <<<"$needed"; then fail "the program loads $library at start"; fi
done

# The program's own symbols are those of the namespace planova (mangled "7planova").
missing=$(comm -23 <(nm -D --undefined-only --format=just-symbols "$module" | grep 7planova | sort -u) \
                   <(nm -D --defined-only --format=just-symbols "$program" | sort -u))
[[ -z "$missing" ]] || fail "the module needs symbols the program does not export:
$(c++filt <<<"$missing")"
readelf -d "$module" | grep -q libical || fail "the module does not link libical"
echo "the module's $(nm -D --undefined-only --format=just-symbols "$module" | grep -c 7planova) program symbols are all exported"
