#!/usr/bin/env bash
# Installs the Debian packages Planova needs, but only those that are missing,
# so that a machine that has everything pays nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-dev lld
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6svg6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev nlohmann-json3-dev libical-dev libxlsxwriter-dev qtkeychain-qt6-dev poppler-utils
  fonts-ipafont-gothic fonts-noto-cjk
  qt6-translations-l10n
  xvfb xauth shared-mime-info desktop-file-utils dpkg-dev file
  cups cups-client printer-driver-cups-pdf
  python3 python3-openpyxl radicale python3-icalendar lintian appstream man-db bash-completion xdg-utils libglib2.0-bin
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
