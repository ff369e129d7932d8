#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tagsmith next to the editors people compare it with (SciTE, Geany), as a
# user sees them: each editor runs on the same generated pages under an X
# server of its own (Xvfb) with a window manager (openbox), driven by xdotool.
# Installs nothing; an editor that is not installed is left out.
#
#   side-by-side.sh [-n RUNS] [-b BASELINE] [-p PAGES] [-e EDITORS] [-k] [TAGSMITH]
#
#   TAGSMITH   folder of the built tagsmith, default.htm and spell.dat
#              (default: build/ beside this script's folder)
#   -n RUNS    runs per editor and page; the median is printed (default 5)
#   -b FOLDER  also run the tagsmith in FOLDER (an older build), as "base"
#   -p PAGES   pages to use, comma separated (default 1k,10m,1m1,5m1,50m,1m1w16)
#   -e LIST    editors, comma separated (default tagsmith,nm,base,scite,geany);
#              nm is Tagsmith with "Highlight matching tags" off, for its
#              "ready" without the highlight's 250 ms rest
#   -t SECONDS give up waiting for a window or the typed text after this
#              long (default 60); such a run prints "-"
#   -k         keep the scratch folder (its path is printed)
#
# For each editor and page:
#   open   process start until the editor's main window is mapped with the
#          page named in its title (the file name for SciTE and Geany, the
#          page's TITLE for Tagsmith); each editor sets that title once the
#          page is in its editing area
#   ready  process start until the editor last used the CPU before going
#          idle after opening (its CPU time then stays put for 250 ms): the
#          page laid out, painted and any background work after opening done.
#          Tagsmith's includes the tag highlight, which waits until the caret
#          has rested 250 ms; "nm" (highlight off) gives it without that rest
#   type   from the first of 20 typed characters at the end of the page
#          (after Ctrl+End, once the editor is idle again) until the page
#          file on disk ends with them, saved by the editor's own keys
#          (Ctrl+S in every editor)
#   peak   the process's peak resident memory (VmHWM) after typing
#
# The pages are made of words drawn from the system word list ($WORDS,
# Debian package wamerican) with a fixed seed, as real text has thousands of
# distinct words; every editor gets the very same page. The page 1m1w16 is
# the old, kinder one-line page of 16 distinct words, kept as a labelled
# extra (its words are all in the layout cache after the first screen).
set -u
RUNS=5
BASE=""
PAGES="1k,10m,1m1,5m1,50m,1m1w16"
WORDS=/usr/share/dict/words
EDITORS="tagsmith,nm,base,scite,geany"
KEEP=0
LIMIT=60
while getopts "n:b:p:e:t:kh" opt; do
    case $opt in
    n) RUNS=$OPTARG ;;
    b) BASE=$(cd "$OPTARG" && pwd) || exit 2 ;;
    p) PAGES=$OPTARG ;;
    e) EDITORS=$OPTARG ;;
    t) LIMIT=$OPTARG ;;
    k) KEEP=1 ;;
    *) sed -n '2,39p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
HERE=$(cd "$(dirname "$0")" && pwd)
TAGSMITH=$(cd "${1:-$HERE/../build}" && pwd) || exit 2
TEXT="benchmarktypedtext20"

for tool in Xvfb xdotool openbox awk; do
    command -v $tool >/dev/null || { echo "needs $tool (Debian packages xvfb, xdotool, openbox)"; exit 2; }
done
[ -r "$WORDS" ] || { echo "needs the word list $WORDS (Debian package wamerican)"; exit 2; }
[ -x "$TAGSMITH/tagsmith" ] || { echo "no tagsmith in $TAGSMITH"; exit 2; }

WORK=$(mktemp -d /tmp/side-by-side.XXXXXX)
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    if [ $KEEP = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# ---------------------------------------------------------------- the pages
# page_<name>: bytes and shape. Multi-line pages have a paragraph per line
# (CR LF), single-line ones are minified markup without any line end.
# PAGE_VOCAB: words drawn from the word list, or 16 short words (the extra).
declare -A PAGE_BYTES=([1k]=1024 [10m]=10485760 [1m1]=1048576 [5m1]=5242880 [50m]=52428800 [1m1w16]=1048576)
declare -A PAGE_LINES=([1k]=1 [10m]=1 [1m1]=0 [5m1]=0 [50m]=1 [1m1w16]=0)
declare -A PAGE_VOCAB=([1k]=list [10m]=list [1m1]=list [5m1]=list [50m]=list [1m1w16]=16)
make_page() { # name file
    LC_ALL=C awk -v bytes="${PAGE_BYTES[$1]}" -v multi="${PAGE_LINES[$1]}" -v vocab="${PAGE_VOCAB[$1]}" \
        -v list="$WORDS" -v title="p$1" 'BEGIN {
        if (vocab == "list") {
            nw = 0
            while ((getline word < list) > 0) w[++nw] = word
        } else
            nw = split("the page table link image paragraph border center font color list item header footer menu about", w, " ")
        srand(7); eol = multi ? "\r\n" : ""
        out = "<HTML>" eol "<HEAD>" eol "<TITLE>" title "</TITLE>" eol "</HEAD>" eol "<BODY>" eol
        n = length(out); printf "%s", out
        while (n < bytes) {
            # One-line pages of real words carry class names of real words too.
            line = multi ? "<P>" : "<div class=\"" (vocab == "list" ? w[1 + int(rand() * nw)] : "c") "\"><p>"
            k = 5 + int(rand() * 20)
            for (i = 1; i <= k; i++) line = line w[1 + int(rand() * nw)] (i < k ? " " : ".")
            line = line (multi ? "</P>" eol : "</p></div>")
            # Cut at the size in bytes; the word list has a few characters
            # of more than one byte, so the last line is made ASCII first,
            # and the page stays valid UTF-8.
            if (n + length(line) > bytes) {
                gsub(/[^\001-\177]/, "x", line)
                line = substr(line, 1, bytes - n)
            }
            printf "%s", line; n += length(line)
        }
    }' > "$2"
}

# ---------------------------------------------------------------- displays
# One X server with a window manager per editor.
declare -A DISPLAY_OF
start_display() { # editor
    local dfile="$WORK/display-$1"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dfile" 2>"$WORK/xvfb-$1.log" &
    PIDS+=($!)
    for _ in $(seq 50); do [ -s "$dfile" ] && break; sleep 0.1; done
    [ -s "$dfile" ] || { echo "Xvfb did not start"; exit 1; }
    DISPLAY_OF[$1]=":$(head -n1 "$dfile")"
    DISPLAY=${DISPLAY_OF[$1]} HOME="$WORK/home-wm" openbox --sm-disable >"$WORK/openbox-$1.log" 2>&1 &
    PIDS+=($!)
    sleep 0.5
}

# ---------------------------------------------------------------- editors
# launch_<kind> run-folder page-name: starts the editor on a copy of the page
# in a scratch folder of its own (settings, home) and sets APP_PID, PAGE_FILE
# and TITLE (a regular expression for the window title).
launch_tagsmith() { # run page program-folder [settings line...]
    local run=$1 page=$2 prog=$3
    shift 3
    mkdir -p "$run/app/project/default" "$run/config/TAGSMITH" "$run/home"
    cp "$prog/tagsmith" "$prog/default.htm" "$prog/spell.dat" "$run/app/"
    PAGE_FILE="$run/app/project/default/p$page.htm"
    cp "$WORK/pages/p$page.htm" "$PAGE_FILE"
    # Straight into the default project (no Project Manager at start-up).
    printf '[Settings]\r\nProjMan=1\r\n' > "$run/config/TAGSMITH/TAGSMITH.ini"
    for line in "$@"; do printf '%s\r\n' "$line" >> "$run/config/TAGSMITH/TAGSMITH.ini"; done
    TITLE="^p$page - Tagsmith\$"
    SAVE_KEYS=(ctrl+s)
    sync
    T0=$(now_ms)
    env -u QT_QPA_PLATFORM HOME="$run/home" XDG_CONFIG_HOME="$run/config" XDG_STATE_HOME="$run/state" \
        XDG_DATA_HOME="$run/data" XDG_CACHE_HOME="$run/cache" "$run/app/tagsmith" >"$run/log" 2>&1 &
    APP_PID=$!
}
# SciTE and Geany: the page in a folder of their own, saved by Ctrl+S.
launch_peer() { # run page command...
    local run=$1 page=$2
    shift 2
    mkdir -p "$run/home"
    PAGE_FILE="$run/p$page.htm"
    cp "$WORK/pages/p$page.htm" "$PAGE_FILE"
    TITLE="^p$page\\.htm"
    SAVE_KEYS=(ctrl+s)
    sync
    T0=$(now_ms)
    HOME="$run/home" XDG_CONFIG_HOME="$run/config" "$@" "$PAGE_FILE" >"$run/log" 2>&1 &
    APP_PID=$!
}
launch_scite() { launch_peer "$1" "$2" scite; }
launch_geany() { launch_peer "$1" "$2" geany -c "$1/geany" -i -s; }

cpu_ticks() { # pid: user and system time in clock ticks
    local f
    read -r -a f < "/proc/$1/stat" 2>/dev/null || { echo 0; return; }
    echo $((f[13] + f[14]))
}
# Waits until the process's CPU time stays put for 250 ms (at most 60 s) and
# sets LAST_BUSY to the time (ms) it last grew.
wait_idle() {
    local ticks last now limit=$(($(now_ms) + 60000))
    last=$(cpu_ticks "$1")
    LAST_BUSY=$(now_ms)
    while now=$(now_ms); [ "$now" -lt $limit ]; do
        ticks=$(cpu_ticks "$1")
        if [ "$ticks" != "$last" ]; then
            last=$ticks
            LAST_BUSY=$now
        elif [ $((now - LAST_BUSY)) -ge 250 ]; then
            return 0
        fi
        sleep 0.01
    done
}

# One run: prints "open ready type peak" (ms, ms, ms, MB), "-" for what did
# not happen.
run_once() { # editor page run-folder
    local editor=$1 page=$2 run=$3 win="" t1 t2 t3 open="-" ready="-" type="-" peak="-"
    export DISPLAY=${DISPLAY_OF[$editor]}
    case $editor in
    tagsmith) launch_tagsmith "$run" "$page" "$TAGSMITH" ;;
    nm) launch_tagsmith "$run" "$page" "$TAGSMITH" MatchTags=0 ;;
    base) launch_tagsmith "$run" "$page" "$BASE" ;;
    *) "launch_$editor" "$run" "$page" ;;
    esac
    local limit=$(($(now_ms) + LIMIT * 1000))
    while [ "$(now_ms)" -lt $limit ]; do
        win=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | head -n1)
        [ -n "$win" ] && break
        kill -0 $APP_PID 2>/dev/null || break
    done
    if [ -n "$win" ]; then
        t1=$(now_ms)
        open=$((t1 - T0))
        wait_idle $APP_PID
        ready=$((LAST_BUSY - T0))
        xdotool windowactivate --sync "$win" 2>/dev/null
        xdotool key --clearmodifiers ctrl+End
        wait_idle $APP_PID
        t2=$(now_ms)
        xdotool type --delay 1 "$TEXT"
        xdotool key --delay 12 "${SAVE_KEYS[@]}"
        limit=$((t2 + LIMIT * 1000))
        while [ "$(now_ms)" -lt $limit ]; do
            tail -c 64 "$PAGE_FILE" 2>/dev/null | grep -q "$TEXT" && { t3=$(now_ms); type=$((t3 - t2)); break; }
            kill -0 $APP_PID 2>/dev/null || break
            sleep 0.002
        done
        peak=$(awk '/^VmHWM:/ { printf "%d", $2 / 1024 }' /proc/$APP_PID/status 2>/dev/null)
    fi
    kill -9 $APP_PID 2>/dev/null
    wait $APP_PID 2>/dev/null
    rm -rf "$run"
    echo "$open $ready $type ${peak:--}"
}

median() { # numbers (or "-") on stdin
    sort -n | awk '$1 != "-" { v[n++] = $1 } END { if (n == 0) print "-"; else if (n % 2) print v[(n - 1) / 2]; else print int((v[n / 2 - 1] + v[n / 2]) / 2) }'
}

# ---------------------------------------------------------------- main
IFS=, read -ra PAGE_LIST <<< "$PAGES"
IFS=, read -ra WANT <<< "$EDITORS"
ED_LIST=()
for e in "${WANT[@]}"; do
    case $e in
    tagsmith | nm) ED_LIST+=($e) ;;
    base) [ -n "$BASE" ] && ED_LIST+=(base) ;;
    scite | geany) command -v $e >/dev/null && ED_LIST+=($e) || echo "($e is not installed: left out)" ;;
    *) echo "unknown editor $e"; exit 2 ;;
    esac
done
mkdir -p "$WORK/pages"
for p in "${PAGE_LIST[@]}"; do
    [ -n "${PAGE_BYTES[$p]:-}" ] || { echo "unknown page $p (1k,10m,1m1,5m1,50m,1m1w16)"; exit 2; }
    make_page "$p" "$WORK/pages/p$p.htm"
done
for e in "${ED_LIST[@]}"; do start_display "$e"; done

echo "Tagsmith: $TAGSMITH${BASE:+   base: $BASE}   runs: $RUNS   $(nproc) cores   $(date -u '+%F %H:%M UTC')"
declare -A OPEN READY TYPE PEAK
for p in "${PAGE_LIST[@]}"; do
    for e in "${ED_LIST[@]}"; do
        : > "$WORK/results"
        # The runs of the editors alternate page by page, so a busy moment
        # of the machine falls on all of them alike.
        for r in $(seq "$RUNS"); do
            run_once "$e" "$p" "$WORK/run" >> "$WORK/results"
            [ -n "${VERBOSE:-}" ] && echo "  $e p$p run $r: $(tail -n1 "$WORK/results")" >&2
        done
        OPEN[$e,$p]=$(awk '{ print $1 }' "$WORK/results" | median)
        READY[$e,$p]=$(awk '{ print $2 }' "$WORK/results" | median)
        TYPE[$e,$p]=$(awk '{ print $3 }' "$WORK/results" | median)
        PEAK[$e,$p]=$(awk '{ print $4 }' "$WORK/results" | median)
    done
done

ratio() { # a b
    [ "$1" = "-" ] || [ "$2" = "-" ] || [ "$2" -eq 0 ] && { echo "-"; return; }
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
declare -A NAME=([tagsmith]=Tagsmith [nm]="Tagsmith nm" [base]="Tagsmith base" [scite]=SciTE [geany]=Geany)
declare -A DESC=([1k]="1 KB" [10m]="10 MB lines" [1m1]="1 MB one line" [5m1]="5 MB one line" [50m]="50 MB lines"
    [1m1w16]="1 MB 1 line 16w")
echo
printf '%-15s %-15s %9s %9s %9s %8s\n' page editor "open ms" "ready ms" "type ms" "peak MB"
for p in "${PAGE_LIST[@]}"; do
    for e in "${ED_LIST[@]}"; do
        printf '%-15s %-15s %9s %9s %9s %8s\n' "${DESC[$p]}" "${NAME[$e]}" "${OPEN[$e,$p]}" "${READY[$e,$p]}" \
            "${TYPE[$e,$p]}" "${PEAK[$e,$p]}"
    done
done
PEERS=()
for e in "${ED_LIST[@]}"; do [ $e != tagsmith ] && [ $e != nm ] && PEERS+=($e); done
if [ ${#PEERS[@]} -gt 0 ]; then
    echo
    echo "Tagsmith as a ratio to each peer (below 1: Tagsmith is faster / smaller);"
    echo "ready nm: Tagsmith's ready without the tag highlight's 250 ms rest (editor nm)"
    printf '%-15s %-15s %9s %9s %9s %9s %8s\n' page peer open ready "ready nm" type peak
    for p in "${PAGE_LIST[@]}"; do
        for e in "${PEERS[@]}"; do
            printf '%-15s %-15s %9s %9s %9s %9s %8s\n' "${DESC[$p]}" "${NAME[$e]}" \
                "$(ratio "${OPEN[tagsmith,$p]:--}" "${OPEN[$e,$p]}")" "$(ratio "${READY[tagsmith,$p]:--}" "${READY[$e,$p]}")" \
                "$(ratio "${READY[nm,$p]:--}" "${READY[$e,$p]}")" \
                "$(ratio "${TYPE[tagsmith,$p]:--}" "${TYPE[$e,$p]}")" \
                "$(ratio "${PEAK[tagsmith,$p]:--}" "${PEAK[$e,$p]}")"
        done
    done
fi
# The extra time a big page costs over a small one.
if [[ ",$PAGES," == *",1k,"* ]]; then
    echo
    echo "extra open and ready time over the 1 KB page (ms), and extra peak memory as a multiple of the page"
    for p in "${PAGE_LIST[@]}"; do
        [ "$p" = 1k ] && continue
        for e in "${ED_LIST[@]}"; do
            o=${OPEN[$e,$p]} s=${OPEN[$e,1k]} r=${READY[$e,$p]} r0=${READY[$e,1k]} m=${PEAK[$e,$p]} m0=${PEAK[$e,1k]}
            extra="-" extra_ready="-" mem="-"
            [ "$o" != "-" ] && [ "$s" != "-" ] && extra=$((o - s))
            [ "$r" != "-" ] && [ "$r0" != "-" ] && extra_ready=$((r - r0))
            [ "$m" != "-" ] && [ "$m0" != "-" ] &&
                mem=$(awk -v a="$m" -v b="$m0" -v s="${PAGE_BYTES[$p]}" 'BEGIN { printf "%.2f", (a - b) * 1048576 / s }')
            printf '%-15s %-15s %9s ms %9s ms %8s x\n' "${DESC[$p]}" "${NAME[$e]}" "$extra" "$extra_ready" "$mem"
        done
    done
fi
