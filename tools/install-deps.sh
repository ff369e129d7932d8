#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
# at-spi2-core, dbus-daemon, python3-gi, gir1.2-atspi-2.0: the accessibility check over AT-SPI.
# qt6-l10n-tools, qt6-tools-dev: the lupdate target and the translations' build (optional for
# the program); qt6-translations-l10n: Qt's own catalogues, which the translations test loads.
if [ "${1:-}" = "--tests" ]; then
  PACKAGES+=(libbenchmark-dev xvfb xauth xdotool poppler-utils clang libclang-rt-14-dev
             desktop-file-utils libglib2.0-bin appstream lintian acl attr
             at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0
             qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
