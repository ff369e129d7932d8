#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears: the built program under Xvfb with the
# accessibility bus of a private D-Bus session (at-spi2-core), checked by
# atspi_check.py through AT-SPI (python3-gi, gir1.2-atspi-2.0).
#
#   accessibility.sh <folder of the built tagsmith, default.htm and spell.dat>
#
# Exit code 77 (skipped) only when Xvfb is not installed.
set -u
BUILT=${1:?folder of the built tagsmith}
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/xsession.sh"
need_x
command -v dbus-run-session >/dev/null || fail "dbus-run-session is not installed (Debian package dbus-bin)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "the accessibility bus is not installed (Debian package at-spi2-core)"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    fail "AT-SPI for Python is not installed (Debian packages python3-gi, gir1.2-atspi-2.0)"

# The default project holds a page with characters outside the Basic
# Multilingual Plane.
copy_app "$BUILT"
TEXT=$'\U0001F600ab\r\n\U0001F600AB'
printf '%s' "$TEXT" > "$APP/project/default/index.htm"
printf '[Settings]\r\nProjMan=1\r\n' > "$WORK/config/TAGSMITH/TAGSMITH.ini"

start_xvfb
step "checking through AT-SPI on $DISPLAY"
# The program's output goes to app.log, shown when the check fails.
XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state" XDG_DATA_HOME="$WORK/data" \
    dbus-run-session -- /usr/bin/python3 "$HERE/atspi_check.py" "$APP/tagsmith" "$TEXT" 2>"$WORK/app.log" ||
    fail "the accessibility check failed"
echo "PASS"
