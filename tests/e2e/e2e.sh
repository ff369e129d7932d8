#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the built program under a real X server (Xvfb), driven by
# xdotool the way a user drives it. Types into a page, saves it through the
# File menu, types again, leaves through File "E&xit", and checks the page
# file and the settings file on disk.
#
#   e2e.sh <folder of the built tagsmith, default.htm and spell.dat>
#
# Exit code 77 (skipped) only when Xvfb is not installed.
set -u
BUILT=${1:?folder of the built tagsmith}
. "$(dirname "$0")/xsession.sh"
need_x

copy_app "$BUILT"
PAGE="$APP/project/default/index.htm"
printf '<HTML>\r\n<TITLE>Start</TITLE>\r\n</HTML>\r\n' > "$PAGE"
# Straight into the default project, without the Project Manager.
SETTINGS="$WORK/config/TAGSMITH/TAGSMITH.ini"
printf '[Settings]\r\nProjMan=1\r\n' > "$SETTINGS"

start_xvfb

step "starting tagsmith on $DISPLAY"
start_app() {
    env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state" \
        "$1" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}
start_app "$APP/tagsmith"

# The main window, titled after the page's TITLE.
wait_window WIN '^Start - Tagsmith$' "tagsmith ended at start"
[ -n "$WIN" ] || fail "no main window \"Start - Tagsmith\" appeared"
sleep 0.5 # let the first paint settle

# Without a window manager, give the window the keyboard ourselves, then
# click into the editing area (the middle of the window) and go to the end.
xdotool windowfocus --sync "$WIN" || fail "could not focus the main window"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove --window "$WIN" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
xdotool key --clearmodifiers ctrl+End

step "typing"
# "<b" gets its ">" from the editor and opens the completion list: close the
# list and step over the ">" before the text.
xdotool type --delay 30 '<b'
xdotool key Escape End
xdotool type --delay 30 'Hello from Xvfb'
sleep 0.3

step "File, Save Page"
xdotool key --delay 150 alt+f s
EXPECT1=$'<HTML>\r\n<TITLE>Start</TITLE>\r\n</HTML>\r\n<b>Hello from Xvfb'
for _ in $(seq 30); do [ "$(cat "$PAGE")" = "$EXPECT1" ] && break; sleep 0.1; done
[ "$(cat "$PAGE")" = "$EXPECT1" ] || fail "page after Save Page is: $(cat -A "$PAGE")"
kill -0 "$APP_PID" 2>/dev/null || fail "tagsmith ended after Save Page"

step "View, Tool Bar (hides it and keeps that in the settings)"
xdotool key --delay 150 alt+v t
for _ in $(seq 30); do grep -q '^ToolBar=1' "$SETTINGS" && break; sleep 0.1; done
grep -q '^ToolBar=1' "$SETTINGS" || fail "ToolBar=1 not in settings: $(cat "$SETTINGS")"

step "F12 opens the live preview, F12 again closes it (kept in the settings)"
xdotool key F12
for _ in $(seq 50); do grep -q '^LivePreview=1' "$SETTINGS" && break; sleep 0.1; done
grep -q '^LivePreview=1' "$SETTINGS" || fail "LivePreview=1 not in settings: $(cat "$SETTINGS")"
sleep 1.5 # the engine starts and renders the page
kill -0 "$APP_PID" 2>/dev/null || fail "tagsmith ended with the live preview open"
# Qt makes the window anew for the engine's drawing; a window manager would
# give it the keyboard, here that is done by hand.
wait_window WIN '^Start - Tagsmith$' "tagsmith ended with the live preview open"
xdotool windowfocus --sync "$WIN" || fail "could not focus the main window again"
xdotool key F12
for _ in $(seq 30); do grep -q '^LivePreview=0' "$SETTINGS" && break; sleep 0.1; done
grep -q '^LivePreview=0' "$SETTINGS" || fail "LivePreview=0 not in settings: $(cat "$SETTINGS")"

step "typing more, then File, Exit"
xdotool type --delay 30 ' again'
sleep 0.3
xdotool key --delay 150 alt+f x
wait_exit "tagsmith still running after File, Exit"

# Exit keeps the page without asking; the settings keep what was set, and
# File "E&xit" leaves the window placement alone.
[ "$(cat "$PAGE")" = "$EXPECT1 again" ] || fail "page after Exit is: $(cat -A "$PAGE")"
SET_NOW=$(tr -d '\r' < "$SETTINGS")
[ "$SET_NOW" = $'[Settings]\nProjMan=1\nToolBar=1\nLivePreview=0' ] || fail "settings after Exit are: $(cat -A "$SETTINGS")"
[ "$(ls "$APP/project/default")" = "index.htm" ] || fail "stray files: $(ls "$APP/project/default")"

# A crash loses nothing: text typed and then killed with the process comes
# back at the next start, and being told to end (SIGTERM) saves it.
step "typing, then kill -9"
start_app "$APP/tagsmith"
wait_window WIN '^Start - Tagsmith$' "tagsmith ended at start"
[ -n "$WIN" ] || fail "no main window after the restart"
sleep 0.5
xdotool windowfocus --sync "$WIN" || fail "could not focus the main window"
xdotool mousemove --window "$WIN" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 30 ' unsaved'
sleep 2.5 # the journal is written within two seconds of the last keystroke
kill -9 "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=""
[ "$(cat "$PAGE")" = "$EXPECT1 again" ] || fail "page changed by the kill: $(cat -A "$PAGE")"

step "restart: Recover Page, Yes"
start_app "$APP/tagsmith"
wait_window BOX '^Recover Page$' "tagsmith ended instead of asking to recover"
[ -n "$BOX" ] || fail "no \"Recover Page\" question after the kill"
sleep 0.3
xdotool windowfocus --sync "$BOX"
xdotool key Return # Yes is the default
wait_window WIN '^Start - Tagsmith$' "tagsmith ended after recovering"
[ -n "$WIN" ] || fail "no main window after recovering"
[ "$(cat "$PAGE")" = "$EXPECT1 again" ] || fail "the recovered text was saved unasked: $(cat -A "$PAGE")"

step "SIGTERM saves the recovered text"
kill -TERM "$APP_PID"
wait_exit "tagsmith still running after SIGTERM"
[ "$(cat "$PAGE")" = "$EXPECT1 again unsaved" ] || fail "page after SIGTERM is: $(cat -A "$PAGE")"
ls "$WORK/state/TAGSMITH"/journal-* >/dev/null 2>&1 && fail "a journal was left behind: $(ls "$WORK/state/TAGSMITH")"

# A second copy whose folder cannot take the projects folder (a file stands
# where it must go): the program says so at once and ends.
step "start in a folder that cannot take the projects folder"
BAD="$WORK/bad"
mkdir -p "$BAD"
cp "$APP/tagsmith" "$APP/default.htm" "$APP/spell.dat" "$BAD/"
echo "not a folder" > "$BAD/project"
start_app "$BAD/tagsmith"
wait_window BOX '^Start Error$' "tagsmith ended without a message"
[ -n "$BOX" ] || fail "no \"Start Error\" message box appeared"
xdotool search --onlyvisible --name 'Tagsmith$' >/dev/null 2>&1 && fail "the main window opened behind the message"
sleep 0.3
xdotool windowfocus --sync "$BOX"
xdotool key Return
wait_exit "tagsmith still running after the message"
[ -f "$BAD/project" ] || fail "the file in the way was touched"
[ "$(tr -d '\r' < "$SETTINGS" | grep -v '^\(Height\|Width\|Top\|Left\)=')" = "$SET_NOW" ] || fail "settings changed: $(cat -A "$SETTINGS")"
echo "PASS"
