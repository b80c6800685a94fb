#!/usr/bin/env bash
# Builds the Debian package build-pkg/morvane_VERSION_ARCH.deb.
#   scripts/package.sh              Release build in build-pkg/ with Debian's
#                                   hardening flags, tests left out
#   scripts/package.sh --from DIR   package an existing build folder instead
#                                   (CI packages build/ without compiling again)
set -euo pipefail
cd "$(dirname "$0")/.."

from=""
if [ "${1:-}" = "--from" ]; then
  from=${2:?"--from needs a build folder"}
fi

mkdir -p build-pkg
rm -f build-pkg/morvane_*.deb
if [ -n "$from" ]; then
  cmake --build "$from"
  config="$from/CPackConfig.cmake"
else
  launcher=()
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  ldflags=$(dpkg-buildflags --get LDFLAGS)
  cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "${launcher[@]}" >/dev/null
  cmake --build build-pkg
  config=build-pkg/CPackConfig.cmake
fi
cpack --config "$config" -B "$PWD/build-pkg" >/dev/null
rm -rf build-pkg/_CPack_Packages
ls build-pkg/morvane_*.deb
