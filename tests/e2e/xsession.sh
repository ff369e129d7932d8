# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts (sourced): a scratch folder $WORK removed
# at exit, a private Xvfb, and waiting for the program's windows. The script
# starts the program in the background and keeps its process id in APP_PID;
# the program's output is expected in $WORK/app.log.
SKIP=77
WORK=$(mktemp -d /tmp/tagsmith-e2e.XXXXXX)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    chmod -R u+w "$WORK" 2>/dev/null # a tree made read-only for the test
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; [ -f "$WORK/app.log" ] && sed 's/^/  program: /' "$WORK/app.log"; exit 1; }
step() { echo "-- $*"; }

# Ends the script as skipped when Xvfb is missing; xdotool is required.
need_x() {
    command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed (Debian package xvfb)"; exit $SKIP; }
    command -v xdotool >/dev/null || fail "xdotool is not installed (Debian package xdotool)"
}

# A copy of the built application directory in $APP (so that its projects
# are made in it), with an empty default project and a settings folder.
copy_app() {
    APP="$WORK/app"
    mkdir -p "$APP/project/default" "$APP/modules" "$WORK/config/TAGSMITH"
    for f in tagsmith modules/tagsmith_preview.so modules/tagsmith_tidy.so default.htm spell.dat; do
        cp "$1/$f" "$APP/$f" || fail "missing $1/$f"
    done
}

# Clicks into the middle of window $1, goes to the end of the page and types
# $3 at $2 ms a key, then lets the typing settle.
type_at_end() {
    sleep 0.3
    xdotool windowfocus --sync "$1"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
    xdotool key --clearmodifiers ctrl+End
    xdotool type --delay "$2" "$3"
    sleep 0.3
}

# Starts Xvfb on a free display (it writes the number to fd 3) and exports
# DISPLAY. Local clients of any user may connect.
start_xvfb() {
    step "starting Xvfb"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$(head -n1 "$WORK/display")"
}

# Sets the variable named $1 to the id of the visible window whose title
# matches $2, waiting up to ten seconds (empty if none came); fails with $3 if
# the program ends first.
wait_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n1)
        [ -n "$id" ] && break
        kill -0 "$APP_PID" 2>/dev/null || fail "$3"
        sleep 0.1
    done
    printf -v "$1" '%s' "$id"
}

# Waits up to five seconds for the program to end (fails with $1 if it does
# not) and checks it ended with exit code 0.
wait_exit() {
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "$1"
    local rc=0
    wait "$APP_PID" || rc=$?
    APP_PID=""
    [ "$rc" -eq 0 ] || fail "tagsmith ended with exit code $rc"
}
