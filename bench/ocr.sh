#!/usr/bin/env bash
# Benchmark of searching scanned pages: a corpus of image-only PDFs made
# here (text drawn at 200 dpi, turned slightly, noise, JPEG, img2pdf), how
# many of the pages holding a phrase are found, pages found that do not
# hold it, -j 2 against -j 1, and a second search from the page-text cache.
#   OCR_DOCS / OCR_PAGES   corpus size (default 8 documents x 3 pages)
#   BENCH_BUILD            build and corpus folder (default build/bench)
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
BUILD=${BENCH_BUILD:-$ROOT/build/bench}
DOCS=${OCR_DOCS:-8}
PAGES=${OCR_PAGES:-3}
CORPUS=$BUILD/scans
WORK=$BUILD/ocr-work
JAPANESE=請求書番号
LATIN="delivery schedule"
export XDG_CACHE_HOME=$WORK/cache

echo "== building (Release) in $BUILD"
cmake -S "$HERE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target zuvediv make_scans >/dev/null
TOOL=$BUILD/zuvediv/zuvediv

if [ ! -f "$CORPUS/.made-$DOCS-$PAGES" ]; then
  echo "== making scans: $DOCS documents x $PAGES pages"
  rm -rf "$CORPUS" && mkdir -p "$CORPUS/images" "$CORPUS/pdf"
  "$BUILD/make_scans" "$CORPUS/images" "$DOCS" "$PAGES"
  for images in $(ls "$CORPUS"/images/*.jpg | sed -E 's/-[0-9]+\.jpg$//' | sort -u); do
    img2pdf "$images"-*.jpg -o "$CORPUS/pdf/$(basename "$images").pdf"
  done
  touch "$CORPUS/.made-$DOCS-$PAGES"
fi
rm -rf "$WORK" && mkdir -p "$WORK"

timed() {
  local label=$1; shift
  /usr/bin/time -f "%e %M %U %S" -o "$WORK/time" "$@" >"$WORK/$label.out" 2>"$WORK/$label.err" || true
  read -r wall peak user system <"$WORK/time"
  eval "WALL_$label=$wall CPU_$label=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }') PEAK_$label=$peak"
  printf '%-10s %8.2f s wall %8.2f s cpu %8d KiB peak\n' "$label" "$wall" "$(eval echo \$CPU_$label)" "$peak"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# found CSV COLUMN PHRASE: pages holding the phrase, found among them, found beside them.
found() {
  local csv=$1 column=$2 phrase=$3
  tr -d '\r' <"$csv" | awk -F, 'NR > 1 { print $2 " " $3 }' | sort -u >"$WORK/found"
  awk -v c="$column" '$c == 1 { print $1 " " $2 }' "$CORPUS/images/truth.txt" | sort -u >"$WORK/holding"
  local holding hit extra
  holding=$(wc -l <"$WORK/holding")
  hit=$(comm -12 "$WORK/holding" "$WORK/found" | wc -l)
  extra=$(comm -13 "$WORK/holding" "$WORK/found" | wc -l)
  echo "\"$phrase\": found $hit of $holding pages holding it ($(ratio "$((hit * 100))" "$holding") %), $extra pages found that do not"
}

echo "== timings ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
timed j1 "$TOOL" -N -j 1 -o "$WORK/j1.csv" "$JAPANESE" "$CORPUS/pdf"
timed j2 "$TOOL" -N -j 2 -o "$WORK/j2.csv" "$JAPANESE" "$CORPUS/pdf"
timed first "$TOOL" -j 2 -o "$WORK/first.csv" "$LATIN" "$CORPUS/pdf"
timed second "$TOOL" -j 2 -o "$WORK/second.csv" "$JAPANESE" "$CORPUS/pdf"

echo "== results"
found "$WORK/j1.csv" 3 "$JAPANESE"
found "$WORK/first.csv" 4 "$LATIN"
cmp -s "$WORK/j1.csv" "$WORK/j2.csv" && echo "-j 1 and -j 2 lists identical" || echo "-j 1 and -j 2 lists DIFFER"
cmp -s "$WORK/j1.csv" "$WORK/second.csv" && echo "cached list identical to -N" || echo "cached list DIFFERS from -N"
grep -h "文字認識" "$WORK/j1.out" | tail -1
echo "-j 2 / -j 1 throughput: $(ratio "$WALL_j1" "$WALL_j2") wall (target 1.8), cpu per run $(ratio "$CPU_j2" "$CPU_j1")"
echo "second search / first: $(ratio "$WALL_first" "$WALL_second")x faster (target 20)"
echo "peak memory of the largest process: $PEAK_j1 KiB (-j 1)"
