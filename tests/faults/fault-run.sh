#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Seeded fault injection on the real program: per seed, Tagsmith runs under
# Xvfb with tests' failcalls library preloaded; text is typed into a page
# (one with a second hard link for a third of the seeds, so it is written in place),
# one call of the file system is armed to fail (ENOSPC or EIO, once or from
# then on), and one action that writes runs: page switch, File Exit,
# preview, New Page, Options OK, Save Page, SIGTERM. Message boxes are
# answered with their default button; a program still running is then told
# to end (SIGTERM) and, failing that, killed. Afterwards:
# - the page holds exactly its old bytes or the old bytes and the typed text;
# - the typed text is in the page, a recovery journal or a recovery copy;
# - the settings file still holds the user's comment line and settings;
# - a failed call on the page's own write was reported (a message box).
#
#   fault-run.sh <folder of the built tagsmith> <folder of libfailcalls.so> <seed>...
#
# Prints a line per seed and a total; exit code 1 when anything was lost,
# 77 (skipped) when Xvfb is not installed.
set -u
BUILT=${1:?folder of the built tagsmith}
FAILCALLS=${2:?folder of libfailcalls.so}/libfailcalls.so
shift 2
. "$(dirname "$0")/../e2e/xsession.sh"
need_x
start_xvfb >/dev/null

# The calls a save makes: a new file renamed over the page, or, for a page
# with a second name, the page written in place after a backup copy.
RENAMED_CALLS=(open write fdatasync close rename fsync)
IN_PLACE_CALLS=(open pwrite ftruncate fdatasync close rename)
ACTIONS=(switch exit preview newpage options save sigterm)
OLD=$'<HTML>\r\n<TITLE>A</TITLE>\r\n</HTML>\r\n'
NOTE='; my own note, keep it'
runs=0 losses=0

# Answers every message box and dialog with its default button; notes whether
# the save error or a question was shown.
answer_boxes() {
    local until=$((SECONDS + $1)) id
    while [ $SECONDS -lt $until ]; do
        for title in '^Tagsmith$' '^Text Editor$' '^Recover Page$' '^Options$' '^New Web Page$' '^Start Error$'; do
            id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1)
            [ -n "$id" ] || continue
            [ "$title" = '^Tagsmith$' ] || [ "$title" = '^Text Editor$' ] && REPORTED=1
            xdotool windowfocus --sync "$id" 2>/dev/null
            xdotool key --clearmodifiers Return 2>/dev/null
            sleep 0.3
        done
        kill -0 "$APP_PID" 2>/dev/null || return
        sleep 0.2
    done
}

one_run() {
    local seed=$1 run="$WORK/run$1"
    RANDOM=$seed
    local linked=$((RANDOM % 3 == 0)) # a second name makes the save write in place
    local call nth=$((RANDOM % 2 + 1))
    if [ $linked -eq 1 ]; then call=${IN_PLACE_CALLS[RANDOM % ${#IN_PLACE_CALLS[@]}]}
    else call=${RENAMED_CALLS[RANDOM % ${#RENAMED_CALLS[@]}]}
    fi
    local hows=(ENOSPC EIO) modes=(:always "" "")
    local how=${hows[RANDOM % 2]} mode=${modes[RANDOM % 3]}
    local action=${ACTIONS[RANDOM % ${#ACTIONS[@]}]}
    local typed="typed$seed"
    printf '%s' "$OLD" > "$WORK/old"
    printf '%s%s' "$OLD" "$typed" > "$WORK/new"
    mkdir -p "$run/app/project/default" "$run/config/TAGSMITH" "$run/state"
    for f in tagsmith default.htm spell.dat; do cp "$BUILT/$f" "$run/app/"; done
    local page="$run/app/project/default/a.htm" settings="$run/config/TAGSMITH/TAGSMITH.ini"
    printf '%s' "$OLD" > "$page"
    printf '<TITLE>B</TITLE>' > "$run/app/project/default/b.htm"
    [ $linked -eq 1 ] && ln "$page" "$run/app/a-link"
    printf '%s\r\n[Settings]\r\nProjMan=1\r\nCBrowser=1\r\nPBrowser=/bin/true\r\n' "$NOTE" > "$settings"

    # A sanitized build's runtime would insist on being loaded first.
    env -u QT_QPA_PLATFORM LD_PRELOAD="$FAILCALLS" ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" \
        TAGSMITH_FAIL="$call:$nth:$how$mode" \
        TAGSMITH_FAIL_UNDER="$run" TAGSMITH_FAIL_LOG="$run/failed.log" TAGSMITH_FAIL_ARMED_BY="$run/armed" \
        XDG_CONFIG_HOME="$run/config" XDG_STATE_HOME="$run/state" "$run/app/tagsmith" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    REPORTED=0
    local win
    wait_window win '^A - Tagsmith$' "seed $seed: tagsmith ended at start"
    [ -n "$win" ] || fail "seed $seed: no main window"
    type_at_end "$win" 20 "$typed"
    touch "$run/armed"
    case $action in
        switch) xdotool key --clearmodifiers ctrl+Next ;;
        exit) xdotool key --delay 150 alt+f x ;;
        preview) xdotool key --clearmodifiers ctrl+p ;;
        newpage) xdotool key --clearmodifiers shift+Insert; sleep 0.5; xdotool type --delay 20 c ;;
        options) xdotool key --delay 150 alt+v o ;;
        save) xdotool key --clearmodifiers ctrl+s ;;
        sigterm) kill -TERM "$APP_PID" ;;
    esac
    sleep 0.5
    answer_boxes 3
    local silent=0
    [ "$action" = save ] && [ -s "$run/failed.log" ] && [ $REPORTED -eq 0 ] && cmp -s "$page" "$WORK/old" && silent=1
    # The disk mended: text still on screen is saved when the program is told to end.
    rm -f "$run/armed"
    if kill -0 "$APP_PID" 2>/dev/null; then
        # It may still be busy with the failures (a settings lock waits five
        # seconds per key): time enough to get to the signal.
        kill -TERM "$APP_PID"
        answer_boxes 40
        kill -9 "$APP_PID" 2>/dev/null && echo "  seed $seed: killed, still running 40 s after SIGTERM"
    fi
    wait "$APP_PID" 2>/dev/null
    APP_PID=""

    local verdict="ok" where
    if cmp -s "$page" "$WORK/new"; then where="page new"
    elif cmp -s "$page" "$WORK/old"; then where="page old"
    else verdict="LOSS: page is neither old nor new: $(cat -A "$page" | head -c 200)"; where="page damaged"
    fi
    if [ "$where" != "page new" ]; then
        if grep -rqs -- "$typed" "$run/state/TAGSMITH"; then where="$where, text kept for recovery"
        else verdict="LOSS: the typed text is nowhere"
        fi
    fi
    grep -q -- "$NOTE" "$settings" && grep -q '^ProjMan=1' "$settings" \
        || verdict="LOSS: settings damaged: $(cat -A "$settings" | head -c 200)"
    local failed=""
    [ -s "$run/failed.log" ] && failed=$(tr '\n' ' ' < "$run/failed.log")
    # A failed call on the page's own write must not pass for a save.
    [ $silent -eq 1 ] && verdict="LOSS: a failed save was not reported"
    runs=$((runs + 1))
    case $verdict in LOSS*) losses=$((losses + 1)) ;; esac
    echo "seed $seed: $call:$nth:$how$mode, $action$([ $linked -eq 1 ] && echo ' (hard link)'); failed: ${failed:-none}; $where -> $verdict"
    case $verdict in
        LOSS*) local kept="${TMPDIR:-/tmp}/tagsmith-fault-seed$seed"
               rm -rf "$kept"; cp -a "$run" "$kept"; cp "$WORK/app.log" "$kept/"; echo "  (its files: $kept)" ;;
    esac
    rm -rf "$run"
}

for seed in "$@"; do one_run "$seed"; done
echo "$runs runs, $losses losses"
[ $losses -eq 0 ]
