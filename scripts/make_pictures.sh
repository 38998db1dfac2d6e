#!/usr/bin/env bash
# Makes the README's pictures in docs/pictures/: the search dialog, the
# console during a search of the sample PDFs, and a result page image with
# its frame. Everything runs on its own Xvfb in a throw-away Wine prefix;
# the search is the real one, started from the dialog's Search button.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

PICTURES="$ROOT/docs/pictures"
SEARCH_STRING="請求書"

ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt"
build_program_and_tool
work=$(mktemp -d /tmp/vivevav-pictures-XXXXXX)
trap 'stop_wine; rm -rf "$work"; stop_display' EXIT
x86_64-w64-mingw32-g++ -O2 -municode -static -I"$ROOT" "$ROOT/scripts/fill_search_dialog.cpp" \
    -o "$work/fill_search_dialog.exe"
assemble_program_dir "$work/program"
ensure_japanese_locale
VIVEVAV_FORCE_XVFB=1 ensure_display
prepare_prefix "$work/prefix"

# Short paths for the pictures: the samples and the results on drive C:.
cp -r "$BUILD_NATIVE/samples/pdf" "$WINEPREFIX/drive_c/samples"
mkdir -p "$WINEPREFIX/drive_c/results"
store() {  # store SECTION NAME TYPE DATA: one stored setting of the dialog
    "$WINE" reg add "HKCU\\Software\\Rudedode\\Vivevav\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
}
store Settings FileOrFolder REG_DWORD 1
store Settings InputName REG_SZ 'C:\samples'
store Settings LastSubfolder REG_DWORD 1
store Settings OutputFolderName REG_SZ 'C:\results'
store Settings Progress REG_DWORD 1
store Settings CreateImage REG_DWORD 1
store Settings CloseCommandPrompt REG_DWORD 0
store 'Settings\CSV' OutputFile REG_SZ '結果'
for check in Header FieldFolder FieldFile FieldSString; do store 'Settings\CSV' "$check" REG_DWORD 1; done

# Window id by exact title (the title passes through the environment, since
# awk -v would read its backslashes as escapes).
window_id() {
    xwininfo -root -tree | TITLE="\"$1\":" awk 'index($0, " " ENVIRON["TITLE"] " ") { print $1; exit }'
}
wait_for_window() {
    local _
    for _ in $(seq 150); do [ -n "$(window_id "$1")" ] && return 0; sleep 0.2; done
    log "no window \"$1\""; xwininfo -root -tree >&2; return 1
}
wait_for_file() {
    local _
    for _ in $(seq 150); do [ -e "$1" ] && return 0; sleep 0.2; done
    log "no file $1"; return 1
}
# Small PNG of one window, cut from the screen: importing the window itself
# waits forever on a screen without a window manager.
shoot() {
    local geometry
    geometry=$(xwininfo -id "$(window_id "$1")" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { printf "%dx%d+%d+%d", w, h, x, y }')
    import -window root -crop "$geometry" +repage -strip -define png:compression-level=9 "$PICTURES/$2"
}

mkdir -p "$PICTURES"
log "search dialog"
"$WINE" "$work/program/Vivevav.exe" </dev/null >/dev/null 2>&1 &
"$WINE" "$work/fill_search_dialog.exe" "$SEARCH_STRING" </dev/null >/dev/null 2>&1
wait_for_window "PDF Vivevav"
sleep 1
shoot "PDF Vivevav" search-dialog.png

log "console during the search"
"$WINE" "$work/fill_search_dialog.exe" "$SEARCH_STRING" search </dev/null >/dev/null 2>&1
results="$WINEPREFIX/drive_c/results"
wait_for_window 'C:\windows\system32\cmd.exe'
wait_for_file "$results/結果.csv"
sleep 1.5  # the console's last lines
shoot 'C:\windows\system32\cmd.exe' console.png

log "result page image"
convert "$results/請求書_2026-11_1.png" -resize 50% -strip -define png:compression-level=9 \
    "$PICTURES/result-page.png"
ls -l "$PICTURES"
