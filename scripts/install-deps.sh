#!/usr/bin/env bash
# Installs the Debian 12 packages Morvane needs to build, test and run.
# Idempotent: does nothing (and says nothing) when every package is present.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  # Qt 6 (Core, Gui, Widgets, Network, Svg, Test)
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev
  # translations: lupdate/lrelease with their CMake functions, and Qt's own German and French texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # libraries of the name rules
  libpcre2-dev libjpeg-dev libpng-dev zlib1g-dev libtiff-dev
  # photo metadata and audio tags
  libexiv2-dev libtag1-dev
  # tests: TLS certificates for the update server tests, fonts for the offscreen platform
  openssl ca-certificates fonts-dejavu-core tzdata
  # running the window without a screen, looking at it, and pressing its keys
  xvfb xauth imagemagick xdotool
  # case-insensitive file system tests: an exFAT image mounted through FUSE on a loop device
  exfatprogs exfat-fuse mount
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # the source style check
  clang-format-14
  # the Debian package: PNG icons, CPack's dependency search, checks of the
  # package and its desktop files, the manual page, completion, a cache for
  # the package's own build
  librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream groff-base man-db
  bash-completion ccache
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
