#!/usr/bin/env bash
# Installs into a fresh prefix, validates the desktop entry, the AppStream metadata and the document
# type, checks that every file they name is in place, and starts the installed program on a virtual
# screen. `--schermo PREFIX` is the last step alone, which the script runs under that screen.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# The installed program starts from its installed path: its main window shows, the splash comes and
# goes, and the program stays up until stopped. Each step is awaited, polling every 0.1 s, for at most
# VELANTRA_ATTESA_MASSIMA seconds (60: a sanitizer build starts slowly); each says when it came.
avvia() {
  local prefix=$1 limite=${VELANTRA_ATTESA_MASSIMA:-60} inizio=${EPOCHREALTIME/./}
  unset QT_QPA_PLATFORM
  cd /
  "$prefix/bin/velantra" &
  local pid=$!
  # The names of the program's top-level windows.
  finestre() { xwininfo -root -children | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": ("velantra".*/\1/p'; }
  attendi() {
    local cosa=$1 fine=$((SECONDS + limite))
    shift
    until finestre | "$@"; do
      kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself before: $cosa"
      [ $SECONDS -lt $fine ] || fail "$cosa: not within $limite s"
      sleep 0.1
    done
    local ms=$(((${EPOCHREALTIME/./} - inizio) / 1000))
    printf '%s after %d.%03d s\n' "$cosa" $((ms / 1000)) $((ms % 1000))
  }
  attendi "main window shown" grep -qx 'Velantra dei moti'
  attendi "splash shown" grep -qx 'Velantra'
  attendi "splash closed" bash -c '! grep -qx Velantra'
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

if [ "${1:-}" = --schermo ]; then
  avvia "$2"
  exit 0
fi

build=$1
prefix=$2
id=it.velantra.Velantra

need() { [ -e "$1" ] || fail "missing $1"; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
need "$desktop"
need "$metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# The desktop entry: the program, given the file to open, and its icon in every size.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = "velantra %f" ] || fail "Exec should start velantra with the file, not '$exec_line'"
[ -x "$prefix/bin/velantra" ] || fail "bin/velantra is not an executable"

# The document type it opens: a shared-mime-info package that gives *.vla that type.
mime=$prefix/share/mime/packages/$id.xml
need "$mime"
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
[ "$type" = application/x-velantra ] || fail "MimeType should be application/x-velantra, not '$type'"
xmllint --noout "$mime" || fail "$mime is not well-formed"
grep -q "<mime-type type=\"$type\">" "$mime" || fail "$mime does not define $type"
grep -q '<glob pattern="\*.vla"/>' "$mime" || fail "$mime does not match *.vla"
grep -q '<comment xml:lang="it">' "$mime" || fail "$mime has no Italian comment"
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

# The command line answers without a window.
"$prefix/bin/velantra" --version | grep -q '^Velantra dei moti ' || fail "velantra --version"

xvfb-run -a -s "-screen 0 1366x768x24" bash "$(readlink -f "$0")" --schermo "$prefix"
echo "installation OK in $prefix"
