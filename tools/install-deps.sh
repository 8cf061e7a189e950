#!/usr/bin/env bash
# Installs, on Debian, the packages needed to build, test and run lyt and skt.
# Only what is missing is installed; nothing happens when all is there.
#   install-deps.sh        everything for the programs and their tests
#   install-deps.sh fuzz   only what the fuzz build needs: clang with its
#                          sanitizer and libFuzzer runtimes
set -euo pipefail

if [ "${1:-}" = fuzz ]; then
  packages=(build-essential cmake ninja-build clang libclang-rt-dev)
else
  packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev
    qt6-base-dev libgl-dev qt6-translations-l10n
    locales
    xvfb xauth xdotool imagemagick
    gerbv poppler-utils
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = fuzz ]; then exit 0; fi

# A French locale, so that a test can check files keep the full stop under it.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  as_root sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
