#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Tagsmith, two ways.
#
# 1. "cmake --install" into a fresh prefix the user may write to: the tree a
#    desktop needs (program in lib/tagsmith, data in share/tagsmith, launcher,
#    desktop entry with its MIME types in the prefix's cache, icons, metainfo,
#    manual page, licence), one version everywhere, and the installed
#    launcher keeps its projects in the user's data folder all the same.
# 2. The Debian package from "cpack -G DEB", unpacked into a scratch root that
#    the user may not write to, started by a normal user under Xvfb: the
#    projects root appears in that user's data folder, and a page is added
#    and saved there through the menus; then a page named on the command line
#    opens its folder as a project, and a second start hands its page to that
#    window and ends.
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
# One version: the program, the changelog, the manual page and the metainfo's newest release.
VERSION=$(sed -n 's/^project(Tagsmith VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
zcat "$P/share/doc/tagsmith/changelog.gz" | head -1 | grep -qF "tagsmith ($VERSION) " || fail "the changelog's newest entry is not $VERSION"
zcat "$P/share/man/man1/tagsmith.1.gz" | head -1 | grep -qF "\"Tagsmith $VERSION\"" || fail "the manual page is not of $VERSION"
grep -m1 '<release ' "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml" | grep -q "version=\"$VERSION\" date=\"[0-9-]*\"" \
    || fail "the metainfo's newest release is not $VERSION"
[ "$(grep -c '<release ' "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml")" = \
  "$(grep -c '<description><p>' "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml")" ] \
    || fail "a release of the metainfo says nothing of what changed"

D="$P/share/applications/tagsmith.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Tagsmith' 'Icon=tagsmith' 'StartupNotify=true' \
            'Categories=Development;WebDevelopment;' 'MimeType=text/html;application/xhtml+xml;' \
            "Exec=\"$P/bin/tagsmith\" %F" "TryExec=$P/bin/tagsmith"; do
    grep -qxF "$line" "$D" || fail "desktop entry lacks: $line"
done
grep -q '^Comment=.' "$D" || fail "desktop entry has no Comment"
out=$(desktop-file-validate "$D" 2>&1) ; [ -z "$out" ] || fail "desktop-file-validate: $out"
# "Open With": the prefix's MIME cache names the entry for both types, and so does gio.
for type in text/html application/xhtml+xml; do
    grep -q "^$type=.*tagsmith\.desktop" "$P/share/applications/mimeinfo.cache" \
        || fail "the installed MIME cache does not list tagsmith.desktop for $type"
done
XDG_DATA_DIRS="$P/share" XDG_DATA_HOME="$WORK/nodata" gio mime text/html 2>&1 | grep -q 'tagsmith\.desktop' \
    || fail "gio mime text/html does not offer tagsmith.desktop"
appstreamcli validate --no-net "$P/share/metainfo/org.tagsmith.tagsmith.metainfo.xml" >"$WORK/as.log" 2>&1 \
    || fail "appstreamcli validate: $(cat "$WORK/as.log")"
# Everything installed is in the manifest, so it can be removed again.
for f in bin/tagsmith share/applications/tagsmith.desktop lib/tagsmith/tagsmith; do
    grep -qxF "$P/$f" "$BUILD/install_manifest.txt" || fail "$f missing from install_manifest.txt"
done

# A prefix the user may write to: an installed program all the same, so the
# projects go to the user's data folder, never beside the program.
step "starting the installed launcher"
mkdir -p "$WORK/config/TAGSMITH"
printf '[Settings]\r\nProjMan=1\r\n' > "$WORK/config/TAGSMITH/TAGSMITH.ini"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    "$P/bin/tagsmith" >"$WORK/app.log" 2>&1 &
APP_PID=$!
for _ in $(seq 100); do [ -d "$WORK/data/TAGSMITH/project/default" ] && break; sleep 0.1; done
[ -d "$WORK/data/TAGSMITH/project/default" ] || fail "no \$XDG_DATA_HOME/TAGSMITH/project/default after start"
kill -0 "$APP_PID" 2>/dev/null || fail "installed program ended"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null; APP_PID=""
[ ! -e "$P/bin/project" ] || fail "projects made beside the launcher link"
[ ! -e "$P/lib/tagsmith/project" ] || fail "an installed program kept its projects beside itself"

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
for f in bin/tagsmith lib/tagsmith/modules/tagsmith_preview.so lib/tagsmith/modules/tagsmith_tidy.so share/tagsmith/default.htm share/tagsmith/spell.dat share/applications/tagsmith.desktop \
         share/metainfo/org.tagsmith.tagsmith.metainfo.xml share/icons/hicolor/scalable/apps/tagsmith.svg; do
    grep -q " ./usr/$f\$" "$WORK/contents" || fail "$f not in the package"
done
[ "$(dpkg-deb -f "$DEB" Recommends)" = "xdg-utils" ] || fail "the package does not recommend xdg-utils"
[ "$(dpkg-deb -f "$DEB" Version)" = "$VERSION" ] || fail "the package's version is not $VERSION"
grep -q ' ./usr/share/doc/tagsmith/copyright$' "$WORK/contents" || fail "the licence is not in the package"
grep -q ' ./usr/share/icons/hicolor/48x48/apps/tagsmith.png$' "$WORK/contents" || fail "the PNG icons are not in the package"
grep -q 'mimeinfo.cache' "$WORK/contents" && fail "the package carries a MIME cache (its installation's trigger makes it)"
if command -v lintian >/dev/null; then
    lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$WORK/lintian.log")"
fi

need_x
# The unpacked tree stands for a system installation: root's, read-only.
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x"
grep -qxF 'Exec=tagsmith %F' "$ROOT/usr/share/applications/tagsmith.desktop" || fail "desktop entry does not start tagsmith %F"
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
RUN="$WORK/run" # the user's runtime folder, where the running program listens
mkdir -m 700 "$RUN"
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$RUN"
as_user() {
    "${AS_USER[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$U_HOME" DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$RUN" "${KEEP[@]}" "$@"
}
as_user "$ROOT/usr/bin/tagsmith" >"$WORK/app.log" 2>&1 &
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
type_at_end "$WIN" 30 'Saved by a user'
xdotool key --delay 150 alt+f s
for _ in $(seq 30); do tail -c 15 "$PAGE" | grep -qx 'Saved by a user' && break; sleep 0.1; done
[ "$(tail -c 15 "$PAGE")" = 'Saved by a user' ] || fail "page after Save Page ends: $(tail -c 40 "$PAGE" | cat -A)"

step "File, Exit"
xdotool key --delay 150 alt+f x
wait_exit "tagsmith still running after File, Exit"
[ ! -e "$ROOT/usr/lib/tagsmith/project" ] || fail "projects made in the installation"
[ "$(stat -c %u "$PROJECTS")" = "$("${AS_USER[@]}" id -u)" ] || fail "the projects root is not the user's"

step "a page outside the projects, named on the command line"
SITE="$U_HOME/site"
mkdir -p "$SITE"
printf '<TITLE>One</TITLE>\n' > "$SITE/one.html"
printf '<TITLE>Two</TITLE>\n' > "$SITE/two.htm"
[ "$(id -u)" -eq 0 ] && chown -R 65534:65534 "$SITE"
as_user "$ROOT/usr/bin/tagsmith" "$SITE/one.html" >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window WIN '^One - Tagsmith$' "tagsmith ended with a page named"
[ -n "$WIN" ] || fail "the page named did not open: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null)"
xdotool search --onlyvisible --name '^Project Manager$' >/dev/null && fail "the Project Manager came up in spite of the page"
grep -qF "=$SITE" "$U_HOME/.config/TAGSMITH/TAGSMITH.ini" || fail "the folder is not remembered: $(cat "$U_HOME/.config/TAGSMITH/TAGSMITH.ini")"

step "a second start hands its page over"
as_user "$ROOT/usr/bin/tagsmith" "$SITE/two.htm" >"$WORK/second.log" 2>&1 &
SECOND=$!
for _ in $(seq 100); do kill -0 "$SECOND" 2>/dev/null || break; sleep 0.1; done
kill -0 "$SECOND" 2>/dev/null && { kill "$SECOND"; fail "the second start did not end: $(cat "$WORK/second.log")"; }
wait "$SECOND" || fail "the second start ended with status $?: $(cat "$WORK/second.log")"
wait_window WIN2 '^Two - Tagsmith$' "tagsmith ended when a page was handed over"
[ "$WIN2" = "$WIN" ] || fail "the handed page is not in the running window ($WIN2, $WIN)"
[ "$(xdotool search --onlyvisible --name ' - Tagsmith$' | wc -l)" = 1 ] || fail "a second window opened"

step "File, Exit"
xdotool windowfocus --sync "$WIN" && xdotool key --delay 150 alt+f x
wait_exit "tagsmith still running after File, Exit"
echo PASS
