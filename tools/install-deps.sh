#!/usr/bin/env bash
# Installs what building Tagsmith needs on Debian 12; with --tests also what
# the tests, benchmarks, fuzzers and the package checks need (CI uses that).
set -euo pipefail
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# file: cpack -G DEB finds the libraries the program needs with it.
# libtidy-dev: the HTML check (Tools > Check HTML, --check).
# qt6-webengine-dev: the live preview's engine (a module loaded when the pane opens).
PACKAGES=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-webengine-dev libqscintilla2-qt6-dev libgl1-mesa-dev
          wamerican file libtidy-dev pkg-config)
# acl, attr: setfacl and setfattr give test pages the ACLs and attributes a save must keep.
# libglib2.0-bin: gio, asked by the install test which programs open HTML.
if [ "${1:-}" = "--tests" ]; then
  PACKAGES+=(libbenchmark-dev xvfb xauth xdotool poppler-utils clang libclang-rt-14-dev
             desktop-file-utils libglib2.0-bin appstream lintian acl attr)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
