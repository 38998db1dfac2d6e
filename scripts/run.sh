#!/usr/bin/env bash
# Builds the program and the search tool and opens the search dialog under
# Wine, in the project's own Wine prefix. Without a display it runs on Xvfb
# and saves a screenshot instead.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt"
mkdir -p "$ROOT/build"
log "building the program (Windows) and the search tool (native)"
build_mingw >"$ROOT/build/mingw-build.log" 2>&1 || { tail -30 "$ROOT/build/mingw-build.log"; exit 1; }
build_native >"$ROOT/build/native-build.log" 2>&1 || { tail -30 "$ROOT/build/native-build.log"; exit 1; }

# Under Wine the native tool stands in the program directory as Zuvediv.exe.
cp "$BUILD_NATIVE/zuvediv/zuvediv" "$BUILD_MINGW/Zuvediv.exe"
if [ -d "$BUILD_NATIVE/samples/pdf" ]; then
    log "sample PDFs to search: $BUILD_NATIVE/samples/pdf (in the dialog: Z:${BUILD_NATIVE//\//\\}\\samples\\pdf)"
fi

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
ensure_display
prepare_prefix "$ROOT/.wineprefix"
trap 'stop_wine; stop_display' EXIT

if [ "$headless" -eq 0 ]; then
    log "starting PDF Vivevav"
    "$WINE" "$BUILD_MINGW/Vivevav.exe"
else
    "$WINE" "$BUILD_MINGW/Vivevav.exe" &
    for _ in $(seq 100); do
        xwininfo -root -tree 2>/dev/null | grep -q '"PDF Vivevav"' && break
        sleep 0.2
    done
    sleep 2
    shot="$ROOT/build/screenshot.png"
    import -window root "$shot"
    log "no display: the dialog ran on Xvfb; screenshot saved to $shot"
fi
