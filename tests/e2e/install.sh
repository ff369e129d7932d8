#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a desktop needs:
# the program with its application directory in lib/tagsmith, the launcher
# bin/tagsmith, the desktop entry and the icon. Then starts the installed
# launcher and checks the projects folder appears beside the program.
#
#   install.sh <build folder>
set -u
BUILD=${1:?build folder}
PREFIX=$(mktemp -d /tmp/tagsmith-install.XXXXXX)
APP_PID=""
cleanup() { [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null; wait 2>/dev/null; rm -rf "$PREFIX"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX/usr" >"$PREFIX/install.log" 2>&1 || fail "install: $(cat "$PREFIX/install.log")"
P="$PREFIX/usr"
for f in lib/tagsmith/tagsmith lib/tagsmith/default.htm lib/tagsmith/spell.dat \
         share/applications/tagsmith.desktop share/icons/hicolor/scalable/apps/tagsmith.svg; do
    [ -f "$P/$f" ] || fail "$f not installed"
done
[ -x "$P/lib/tagsmith/tagsmith" ] || fail "lib/tagsmith/tagsmith not executable"
[ -L "$P/bin/tagsmith" ] || fail "bin/tagsmith is not a link"
[ "$(readlink -f "$P/bin/tagsmith")" = "$(readlink -f "$P/lib/tagsmith/tagsmith")" ] || fail "bin/tagsmith points elsewhere"
cmp -s "$P/lib/tagsmith/spell.dat" "$BUILD/tools/spell.dat" || fail "installed spell.dat differs from the built one"
grep -q '<svg' "$P/share/icons/hicolor/scalable/apps/tagsmith.svg" || fail "icon is not SVG"

D="$P/share/applications/tagsmith.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Tagsmith' 'Icon=tagsmith' \
            'Categories=Development;WebDevelopment;TextEditor;' "Exec=\"$P/bin/tagsmith\"" "TryExec=$P/bin/tagsmith"; do
    grep -qxF "$line" "$D" || fail "desktop entry lacks: $line"
done
grep -q '^Comment=.' "$D" || fail "desktop entry has no Comment"
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$D" 2>&1 | grep -v ': hint: ') ; [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
# Everything installed is in the manifest, so it can be removed again.
for f in bin/tagsmith share/applications/tagsmith.desktop lib/tagsmith/tagsmith; do
    grep -qxF "$P/$f" "$BUILD/install_manifest.txt" || fail "$f missing from install_manifest.txt"
done

# The installed program, started through the launcher, keeps its projects
# beside itself in lib/tagsmith.
mkdir -p "$PREFIX/config/TAGSMITH"
printf '[Settings]\r\nProjMan=1\r\n' > "$PREFIX/config/TAGSMITH/TAGSMITH.ini"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PREFIX/config" "$P/bin/tagsmith" >"$PREFIX/app.log" 2>&1 &
APP_PID=$!
for _ in $(seq 100); do [ -d "$P/lib/tagsmith/project/default" ] && break; sleep 0.1; done
[ -d "$P/lib/tagsmith/project/default" ] || fail "no lib/tagsmith/project/default after start: $(cat "$PREFIX/app.log")"
kill -0 "$APP_PID" 2>/dev/null || fail "installed program ended: $(cat "$PREFIX/app.log")"
[ ! -e "$P/bin/project" ] || fail "projects made beside the launcher link"
echo PASS
