#!/usr/bin/env bash
# Installs into a fresh prefix, validates the desktop entry and the AppStream metadata, checks that
# every file they name is in place, and starts the installed program.
set -euo pipefail
build=$1
prefix=$2
id=it.velantra.Velantra

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { [ -e "$1" ] || fail "missing $1"; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
need "$desktop"
need "$metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# The desktop entry: the program, with no arguments, and its icon in every size.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = velantra ] || fail "Exec should start velantra without arguments, not '$exec_line'"
[ -x "$prefix/bin/velantra" ] || fail "bin/velantra is not an executable"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || fail "Icon should be the application id, not '$icon'"
need "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
for size in 16 22 24 32 48 64 128 256; do
  need "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
done

# The metadata: its id, the desktop entry it launches and the binary it provides.
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
need "$prefix/share/applications/$launchable"
binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
need "$prefix/bin/$binary"

# The help document where the installed program looks for it.
need "$prefix/bin/../share/velantra/VELANTRA.HLP"

# The installed program starts from its installed path and stays up until stopped.
cd /
"$prefix/bin/velantra" &
pid=$!
sleep 5
kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "installation OK in $prefix"
