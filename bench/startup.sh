#!/usr/bin/env bash
# Start-up of the search dialog against a trivial one-dialog program, under
# the same warm Wine: interleaved starts, each timed from process creation
# until its window is visible; prints both medians and their ratio.
# usage: bash bench/startup.sh [ROUNDS]   (default 9)
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"

rounds="${1:-9}"
ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt"
mkdir -p "$ROOT/build"
log "building the program and the benchmark's helpers (Windows)"
build_mingw >"$ROOT/build/mingw-build.log" 2>&1 || { tail -30 "$ROOT/build/mingw-build.log"; exit 1; }
helpers="$ROOT/build/bench-startup"
{
    cmake -S "$ROOT/bench/startup" -B "$helpers" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release && cmake --build "$helpers" -j"$(nproc)"
} >"$ROOT/build/bench-startup.log" 2>&1 || { tail -30 "$ROOT/build/bench-startup.log"; exit 1; }

work=$(mktemp -d /tmp/vivevav-startup-XXXXXX)
trap 'stop_wine; rm -rf "$work"; stop_display' EXIT
cp "$BUILD_MINGW/Vivevav.exe" "$helpers/trivial_dialog.exe" "$helpers/wait_visible.exe" "$work/"
ensure_japanese_locale
VIVEVAV_FORCE_XVFB=1 ensure_display
prepare_prefix "$work/prefix"
windows_work="Z:${work//\//\\}"

# Prints the milliseconds until the program's window was visible.
time_start() {
    "$WINE" "$work/wait_visible.exe" "$windows_work\\$1" "$2" </dev/null 2>/dev/null | tr -d '\r'
}
time_trivial() { time_start trivial_dialog.exe "Trivial Dialog" >>"$work/trivial.ms"; }
time_vivevav() { time_start Vivevav.exe "PDF Vivevav" >>"$work/vivevav.ms"; }
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

log "warming up"
for _ in 1 2; do time_trivial; time_vivevav; done
rm -f "$work/trivial.ms" "$work/vivevav.ms"
log "$rounds interleaved rounds"
for round in $(seq "$rounds"); do
    # Alternate which one starts first so that neither always follows the other.
    if [ $((round % 2)) -eq 1 ]; then time_trivial; time_vivevav; else time_vivevav; time_trivial; fi
done
trivial=$(median "$work/trivial.ms")
vivevav=$(median "$work/vivevav.ms")
echo "trivial dialog: median $trivial ms ($(paste -sd' ' "$work/trivial.ms"))"
echo "PDF Vivevav:    median $vivevav ms ($(paste -sd' ' "$work/vivevav.ms"))"
awk -v v="$vivevav" -v t="$trivial" 'BEGIN { printf "ratio of medians: %.2f (goal: at most 1.20)\n", v / t }'
