#!/usr/bin/env bash
# Installing Tagsmith, two ways.
#
# 1. "cmake --install" into a fresh prefix the user may write to: the tree a
#    desktop needs (program in lib/tagsmith, data in share/tagsmith, launcher,
#    desktop entry, icon, metainfo, manual page), and the installed launcher
#    keeps its projects beside the program, as a portable copy does.
# 2. The Debian package from "cpack -G DEB", unpacked into a scratch root that
#    the user may not write to, started by a normal user under Xvfb: the
#    projects root appears in that user's data folder, and a page is added
#    and saved there through the menus.
#
#   install.sh <build folder>
#
# Run as root, the program runs as the user "nobody"; otherwise as the
# calling user, with the unpacked tree made read-only. Exit code 77 (skipped)
# when Xvfb is not installed, after the first part passed.
set -u
BUILD=$(cd "${1:?build folder}" && pwd)
. "$(dirname "$0")/xsession.sh"
umask 022

# ---------------------------------------------------------------- cmake --install
step "cmake --install"
P="$WORK/prefix/usr"
cmake --install "$BUILD" --prefix "$P" >"$WORK/install.log" 2>&1 || fail "install: $(cat "$WORK/install.log")"
for f in lib/tagsmith/tagsmith share/tagsmith/default.htm share/tagsmith/spell.dat \
         share/applications/tagsmith.desktop share/icons/hicolor/scalable/apps/tagsmith.svg \
         share/metainfo/org.tagsmith.tagsmith.metainfo.xml share/man/man1/tagsmith.1.gz \
         share/doc/tagsmith/copyright share/doc/tagsmith/changelog.gz; do
    [ -f "$P/$f" ] || fail "$f not installed"
done
[ -x "$P/lib/tagsmith/tagsmith" ] || fail "lib/tagsmith/tagsmith not executable"
[ -L "$P/bin/tagsmith" ] || fail "bin/tagsmith is not a link"
[ "$(readlink -f "$P/bin/tagsmith")" = "$(readlink -f "$P/lib/tagsmith/tagsmith")" ] || fail "bin/tagsmith points elsewhere"
cmp -s "$P/share/tagsmith/spell.dat" "$BUILD/tools/spell.dat" || fail "installed spell.dat differs from the built one"
grep -q '<svg' "$P/share/icons/hicolor/scalable/apps/tagsmith.svg" || fail "icon is not SVG"
for size in 16 24 32 48 64 128 256; do
    file "$P/share/icons/hicolor/${size}x${size}/apps/tagsmith.png" | grep -q "PNG image data, $size x $size" \
        || fail "no ${size}px PNG icon"
done
# The licence: GPL-3.0-or-later in a machine-readable copyright and the metainfo.
head -1 "$P/share/doc/tagsmith/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "copyright is not machine-readable"
grep -q '^License: GPL-3+' "$P/share/doc/tagsmith/copyright" || fail "copyright names no GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml" \
    || fail "metainfo names no GPL-3.0-or-later"
# --help and --version need no display and write nothing.
[ "$(env -u DISPLAY -u QT_QPA_PLATFORM HOME="$WORK/nohome" "$P/bin/tagsmith" --version)" = "Tagsmith $(sed -n 's/^project(Tagsmith VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] \
    || fail "--version does not print the project's version"
env -u DISPLAY -u QT_QPA_PLATFORM HOME="$WORK/nohome" "$P/bin/tagsmith" --help | grep -q '^Usage: tagsmith' || fail "--help prints no usage"
[ ! -e "$WORK/nohome" ] || fail "--help or --version wrote into the home folder"

D="$P/share/applications/tagsmith.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Tagsmith' 'Icon=tagsmith' \
            'Categories=Development;WebDevelopment;TextEditor;' "Exec=\"$P/bin/tagsmith\"" "TryExec=$P/bin/tagsmith"; do
    grep -qxF "$line" "$D" || fail "desktop entry lacks: $line"
done
grep -q '^Comment=.' "$D" || fail "desktop entry has no Comment"
out=$(desktop-file-validate "$D" 2>&1 | grep -v ': hint: ') ; [ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml" >"$WORK/as.log" 2>&1 \
    || fail "appstreamcli validate: $(cat "$WORK/as.log")"
# Everything installed is in the manifest, so it can be removed again.
for f in bin/tagsmith share/applications/tagsmith.desktop lib/tagsmith/tagsmith; do
    grep -qxF "$P/$f" "$BUILD/install_manifest.txt" || fail "$f missing from install_manifest.txt"
done

# A prefix the user may write to: the projects stay beside the program.
step "starting the installed launcher"
mkdir -p "$WORK/config/TAGSMITH"
printf '[Settings]\r\nProjMan=1\r\n' > "$WORK/config/TAGSMITH/TAGSMITH.ini"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    "$P/bin/tagsmith" >"$WORK/app.log" 2>&1 &
APP_PID=$!
for _ in $(seq 100); do [ -d "$P/lib/tagsmith/project/default" ] && break; sleep 0.1; done
[ -d "$P/lib/tagsmith/project/default" ] || fail "no lib/tagsmith/project/default after start"
kill -0 "$APP_PID" 2>/dev/null || fail "installed program ended"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=""
[ ! -e "$P/bin/project" ] || fail "projects made beside the launcher link"
[ ! -e "$WORK/data/TAGSMITH" ] || fail "a writable program folder still used the per-user folder"

# ---------------------------------------------------------------- the package
step "cpack -G DEB"
(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg") >"$WORK/cpack.log" 2>&1 || fail "cpack: $(cat "$WORK/cpack.log")"
DEB=$(ls "$WORK"/pkg/tagsmith_*_"$(dpkg --print-architecture)".deb 2>/dev/null)
[ -f "$DEB" ] || fail "no tagsmith_<version>_<arch>.deb: $(ls "$WORK/pkg")"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
for lib in libqscintilla2-qt6 libqt6widgets6 libqt6svg6 libqt6printsupport6 libqt6webenginewidgets6 libc6; do
    grep -q "$lib" <<<"$DEPENDS" || fail "Depends lacks $lib: $DEPENDS"
done
dpkg-deb -c "$DEB" | awk '{print $1, $2, $6}' > "$WORK/contents"
grep -q '^-rwxr-xr-x root/root ./usr/lib/tagsmith/tagsmith$' "$WORK/contents" || fail "program not in the package as root's: $(cat "$WORK/contents")"
for f in bin/tagsmith lib/tagsmith/tagsmith_preview.so share/tagsmith/default.htm share/tagsmith/spell.dat share/applications/tagsmith.desktop \
         share/metainfo/org.tagsmith.tagsmith.metainfo.xml share/icons/hicolor/scalable/apps/tagsmith.svg; do
    grep -q " ./usr/$f\$" "$WORK/contents" || fail "$f not in the package"
done
[ "$(dpkg-deb -f "$DEB" Recommends)" = "xdg-utils" ] || fail "the package does not recommend xdg-utils"
if command -v lintian >/dev/null; then
    lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
fi

need_x
# The unpacked tree stands for a system installation: root's, read-only.
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x"
grep -qxF 'Exec="/usr/bin/tagsmith"' "$ROOT/usr/share/applications/tagsmith.desktop" || fail "desktop entry does not start /usr/bin/tagsmith"
appstreamcli validate-tree --no-net "$ROOT" >"$WORK/as.log" 2>&1 || fail "appstreamcli validate-tree: $(cat "$WORK/as.log")"
U_HOME="$WORK/home"
mkdir -p "$U_HOME"
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$WORK"
    chown 65534:65534 "$U_HOME"
    AS_USER=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
else
    chmod -R a-w "$ROOT"
    AS_USER=()
fi
"${AS_USER[@]}" test -w "$ROOT/usr/lib/tagsmith" && fail "the installed program's folder is writable for the user"

start_xvfb
step "starting the packaged program as user $("${AS_USER[@]}" id -u) on $DISPLAY"
# A first start in a new home folder: no settings, no data folder yet. Only
# the sanitizers' settings come along (a sanitized build's suite runs this).
KEEP=()
for v in ASAN_OPTIONS UBSAN_OPTIONS; do [ -n "${!v:-}" ] && KEEP+=("$v=${!v}"); done
"${AS_USER[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$U_HOME" DISPLAY="$DISPLAY" "${KEEP[@]}" \
    "$ROOT/usr/bin/tagsmith" >"$WORK/app.log" 2>&1 &
APP_PID=$!
PROJECTS="$U_HOME/.local/share/TAGSMITH/project"
wait_window PM '^Project Manager$' "tagsmith ended at start"
[ -n "$PM" ] || fail "no Project Manager at the first start"
[ -d "$PROJECTS/default" ] || fail "no $PROJECTS/default after start"
sleep 0.3
xdotool windowfocus --sync "$PM" && xdotool key Return # "default" is preselected

step "File, New Page"
wait_window WIN '^Tagsmith$' "tagsmith ended after the Project Manager"
[ -n "$WIN" ] || fail "no main window after the Project Manager"
xdotool windowfocus --sync "$WIN" && xdotool key --clearmodifiers shift+Insert
wait_window NEW '^New Web Page$' "tagsmith ended at New Page"
[ -n "$NEW" ] || fail "no New Web Page dialog"
sleep 0.3
xdotool windowfocus --sync "$NEW"
xdotool type --delay 30 'index'
xdotool key Return
PAGE="$PROJECTS/default/index.html" # HTML is preselected
wait_window WIN '^New Page - Tagsmith$' "tagsmith ended after New Page"
[ -n "$WIN" ] || fail "the new page did not open: $(ls -lR "$PROJECTS")"
# The Tagsmith comment, then the installed skeleton.
SKEL="$ROOT/usr/share/tagsmith/default.htm"
[ "$(head -c 4 "$PAGE")" = '<!--' ] && cmp -s <(tail -c "$(stat -c %s "$SKEL")" "$PAGE") "$SKEL" \
    || fail "the new page is not the installed skeleton: $(ls -R "$PROJECTS"; cat -A "$PAGE")"

step "typing, File, Save Page"
sleep 0.3
xdotool windowfocus --sync "$WIN"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
xdotool mousemove --window "$WIN" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 30 'Saved by a user'
sleep 0.3
xdotool key --delay 150 alt+f s
for _ in $(seq 30); do tail -c 15 "$PAGE" | grep -qx 'Saved by a user' && break; sleep 0.1; done
[ "$(tail -c 15 "$PAGE")" = 'Saved by a user' ] || fail "page after Save Page ends: $(tail -c 40 "$PAGE" | cat -A)"

step "File, Exit"
xdotool key --delay 150 alt+f x
wait_exit "tagsmith still running after File, Exit"
[ ! -e "$ROOT/usr/lib/tagsmith/project" ] || fail "projects made in the installation"
[ "$(stat -c %u "$PROJECTS")" = "$("${AS_USER[@]}" id -u)" ] || fail "the projects root is not the user's"
echo PASS
