#!/usr/bin/env bash
# The Windows build under Wine against the Linux build, side by side on the
# bench corpus, best of three rounds, alternated: -j 1 against the Linux
# build and against the bare poppler loop built for Windows too (the limit
# of any tool there), -j 2, the first search with the cache and a second
# one, and the lists compared once the folder column is mapped. Start it by hand after
# scripts/test.sh (it needs build/program/Zuvediv.exe).
#   BENCH_DOCS / BENCH_PAGES / BENCH_BUILD as for bench/run.sh;
#   ZUVEDIV_WINDOWS_TOOL  the Windows build (default build/program/Zuvediv.exe)
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
source "$ROOT/scripts/lib.sh"
BUILD=${BENCH_BUILD:-$ROOT/build/bench}
DOCS=${BENCH_DOCS:-200}
PAGES=${BENCH_PAGES:-10}
CORPUS=$BUILD/corpus
WORK=$BUILD/windows
PHRASE=Zuvtoken
WINDOWS_TOOL=${ZUVEDIV_WINDOWS_TOOL:-$ROOT/build/program/Zuvediv.exe}
HOST_CXX=x86_64-w64-mingw32-g++-posix
[ -f "$WINDOWS_TOOL" ] || { echo "build the Windows tool first: bash scripts/test.sh"; exit 1; }

cmake -S "$HERE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target zuvediv bare_loop make_corpus >/dev/null
TOOL=$BUILD/zuvediv/zuvediv
if [ ! -f "$CORPUS/.made-$DOCS-$PAGES" ]; then
  rm -rf "$CORPUS" && mkdir -p "$CORPUS"
  "$BUILD/make_corpus" "$CORPUS" "$DOCS" "$PAGES"
  touch "$CORPUS/.made-$DOCS-$PAGES"
fi
rm -rf "$WORK" && mkdir -p "$WORK"
deps=$(bash "$ROOT/scripts/windows_deps/build.sh" | tail -1)
# shellcheck disable=SC2046  # the flags are words
"$HOST_CXX" -O2 -std=c++17 -static -o "$WORK/bare_loop.exe" "$HERE/bare_loop.cpp" \
  $(PKG_CONFIG_LIBDIR="$deps/lib/pkgconfig" pkg-config --static --cflags --libs poppler-cpp)
export XDG_CACHE_HOME=$WORK/cache WINEPREFIX=$WORK/prefix
"$WINESERVER" -p 2>/dev/null || true
"$WINE" wineboot -i >/dev/null 2>&1
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
windows_cache=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local)/Zuvediv
corpus_z="Z:${CORPUS//\//\\}"
windows_pdfs=()
for pdf in "$CORPUS"/*.pdf; do windows_pdfs+=("Z:${pdf//\//\\}"); done
cat "$CORPUS"/*.pdf >/dev/null

declare -A SECONDS_OF
timed() {  # timed LABEL COMMAND...
  local label=$1; shift
  /usr/bin/time -f "%e" -o "$WORK/time" "$@" >"$WORK/$label.out" 2>&1 || true
  SECONDS_OF[$label]=$(cat "$WORK/time")
}
best() { for r in 1 2 3; do echo "${SECONDS_OF[$1$r]}"; done | sort -g | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

for round in 1 2 3; do
  timed "linux_j1_$round" "$TOOL" -N -j 1 -o "$WORK/linux.csv" "$PHRASE" "$CORPUS"
  timed "windows_bare_$round" "$WINE" "$WORK/bare_loop.exe" "${windows_pdfs[@]}"
  timed "windows_j1_$round" "$WINE" "$WINDOWS_TOOL" -N -j 1 -o 'Z:\tmp\zuvediv-windows.csv' "$PHRASE" "$corpus_z"
  timed "windows_j2_$round" "$WINE" "$WINDOWS_TOOL" -N -j 2 -o 'Z:\tmp\zuvediv-windows-j2.csv' "$PHRASE" "$corpus_z"
  rm -rf "$windows_cache"
  timed "windows_cold_$round" "$WINE" "$WINDOWS_TOOL" -j 1 "$PHRASE" "$corpus_z"
  timed "windows_warm_$round" "$WINE" "$WINDOWS_TOOL" -j 1 invoice "$corpus_z"
done
mv /tmp/zuvediv-windows.csv /tmp/zuvediv-windows-j2.csv "$WORK/"
sed "s#^${CORPUS//\//\\/}#${corpus_z//\\/\\\\}#" "$WORK/linux.csv" >"$WORK/linux-mapped.csv"

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for label in linux_j1_ windows_bare_ windows_j1_ windows_j2_ windows_cold_ windows_warm_; do
  printf '%-16s best %6.2f s\n' "${label%_}" "$(best "$label")"
done
echo "Windows -j 1 / Linux -j 1 speed:     $(ratio "$(best linux_j1_)" "$(best windows_j1_)") (target >= 0.85)"
echo "Windows -j 1 / bare loop under Wine:  $(ratio "$(best windows_bare_)" "$(best windows_j1_)") (target >= 0.90)"
echo "Windows -j 2 / its own -j 1 speed:   $(ratio "$(best windows_j1_)" "$(best windows_j2_)") (target >= 1.80)"
echo "Windows first search with cache / -N: $(ratio "$(best windows_cold_)" "$(best windows_j1_)") (target <= 1.10)"
echo "Windows first / second search:       $(ratio "$(best windows_cold_)" "$(best windows_warm_)") (target >= 20)"
for list in zuvediv-windows zuvediv-windows-j2; do
  cmp -s "$WORK/linux-mapped.csv" "$WORK/$list.csv" && echo "$list list: identical to Linux's" || echo "$list list: DIFFERENT"
done
