#!/usr/bin/env bash
# Installs the Debian packages Trevinor needs, when they are missing.
#   scripts/deps.sh game      what building and playing the game needs
#   scripts/deps.sh package   that, and what making the Debian packages needs
#   scripts/deps.sh all       all that, and what the tests, fuzzers and package checks need
set -euo pipefail
# libxcb1-dev: a screen shown again talks to the X11 window manager itself.
game_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libxcb1-dev
  libfluidsynth-dev timgm6mb-soundfont
  fonts-dejavu-core fonts-liberation2
)
# Designer's development files for the plugin; dpkg-shlibdeps and file for cpack.
package_packages=(
  qt6-tools-dev dpkg-dev file
)
development_packages=(
  qt6-tools-dev-tools libqt6opengl6-dev desktop-file-utils
  clang libclang-rt-14-dev
  appstream lintian
  xvfb openbox xdotool x11-utils   # a display with a window manager for tst_realdisplay
)
packages=("${game_packages[@]}")
case "${1:-all}" in
  package) packages+=("${package_packages[@]}") ;;
  all) packages+=("${package_packages[@]}" "${development_packages[@]}") ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
