#!/usr/bin/env bash
# Benchmark of Zuvediv against pdfgrep and a bare poppler loop on a corpus
# of ordinary report pages. Not part of the test run: start it by hand.
#   BENCH_DOCS / BENCH_PAGES   corpus size (default 200 documents x 10 pages)
#   BENCH_BUILD                build and corpus folder (default build/bench)
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
BUILD=${BENCH_BUILD:-$ROOT/build/bench}
DOCS=${BENCH_DOCS:-200}
PAGES=${BENCH_PAGES:-10}
CORPUS=$BUILD/corpus
WORK=$BUILD/work
PHRASE=Zuvtoken   # a Latin word: never split across lines
# The page-text cache is measured on its own, at the end; every other run
# reads the PDFs (-N), and no run touches the user's cache.
export XDG_CACHE_HOME=$WORK/cache

echo "== building (Release) in $BUILD"
cmake -S "$HERE" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target zuvediv bare_loop make_corpus image_cost >/dev/null
TOOL=$BUILD/zuvediv/zuvediv

if [ ! -f "$CORPUS/.made-$DOCS-$PAGES" ]; then
  echo "== making corpus: $DOCS documents x $PAGES pages"
  rm -rf "$CORPUS" && mkdir -p "$CORPUS"
  "$BUILD/make_corpus" "$CORPUS" "$DOCS" "$PAGES"
  touch "$CORPUS/.made-$DOCS-$PAGES"
fi
rm -rf "$WORK" && mkdir -p "$WORK"
cat "$CORPUS"/*.pdf >/dev/null   # same page cache for everyone

# timed LABEL COMMAND...: elapsed seconds and peak memory (largest process).
# CPU seconds too: the machine is shared, and wall time suffers first.
declare -A SECONDS_OF MEMORY_OF CPU_OF
timed() {
  local label=$1; shift
  /usr/bin/time -f "%e %M %U %S" -o "$WORK/time" "$@" >"$WORK/$label.out" 2>"$WORK/$label.err" || true
  local user system
  read -r SECONDS_OF[$label] MEMORY_OF[$label] user system <"$WORK/time"
  CPU_OF[$label]=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
  printf '%-22s %8.2f s wall %8.2f s cpu %8d KiB peak\n' "$label" "${SECONDS_OF[$label]}" "${CPU_OF[$label]}" "${MEMORY_OF[$label]}"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
best_of() {  # best_of ARRAY LABEL_PREFIX [ROUNDS]: the smallest figure of the rounds
  local -n figures=$1
  local round
  for round in $(seq "${3:-5}"); do echo "${figures[$2$round]}"; done | sort -g | head -1
}

LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
echo "== timings ($(nproc) cores)"
timed pdfgrep pdfgrep -r -F "$PHRASE" "$CORPUS"
timed bare_loop "$BUILD/bare_loop" "$CORPUS"/*.pdf
timed zuvediv_j1 "$TOOL" -N -j 1 -o "$WORK/j1.csv" "$PHRASE" "$CORPUS"
timed zuvediv_j2 "$TOOL" -N -j 2 -o "$WORK/j2.csv" "$PHRASE" "$CORPUS"
# Nearly every page has a hit, so images are made for a 20-document slice.
mkdir -p "$WORK/slice" && ln -s $(ls "$CORPUS"/*.pdf | head -20) "$WORK/slice/"
timed slice_search "$TOOL" -N -j 2 "$PHRASE" "$WORK/slice"
for format in png jpeg tiff; do
  timed "slice_images_$format" "$TOOL" -N -j 2 -m -F "$format" -O "$WORK/img-$format" "$PHRASE" "$WORK/slice"
done

echo "== ratios"
echo "load average before: $LOAD_BEFORE"
echo "zuvediv -j 1 throughput / bare loop:   $(ratio "${SECONDS_OF[bare_loop]}" "${SECONDS_OF[zuvediv_j1]}") wall, $(ratio "${CPU_OF[bare_loop]}" "${CPU_OF[zuvediv_j1]}") cpu (target >= 0.90)"
echo "zuvediv -j 2 speed-up over -j 1:        $(ratio "${SECONDS_OF[zuvediv_j1]}" "${SECONDS_OF[zuvediv_j2]}") (target >= 1.80)"
echo "zuvediv -j 1 speed-up over pdfgrep:     $(ratio "${SECONDS_OF[pdfgrep]}" "${SECONDS_OF[zuvediv_j1]}")"
cmp -s "$WORK/j1.csv" "$WORK/j2.csv" && echo "CSV with -j 1 and -j 2: identical" || echo "CSV with -j 1 and -j 2: DIFFERENT"
echo "pages: $(grep -o 'ページ: [0-9]*' "$WORK/zuvediv_j1.out")"

echo "== image encoding against rendering (same slice, every page, 150 dpi, one core)"
mkdir -p "$WORK/cost"
"$BUILD/image_cost" "$WORK/cost" "$WORK"/slice/*.pdf
echo "(figures in brackets: encode+write time / render time, target <= 0.50)"

echo "== hits per page, exact search, against pdfgrep -F -o -n"
"$TOOL" -N -c -n -H -P -R -o "$WORK/exact.csv" "$PHRASE" "$CORPUS" >/dev/null || true
tail -c +4 "$WORK/exact.csv" | tr -d '\r' | cut -d, -f1,2 | sort | uniq -c >"$WORK/ours.txt"
pdfgrep -r -F -o -n "$PHRASE" "$CORPUS" | sed -E "s|^.*/([^/:]+):([0-9]+):.*$|\1,\2|" | sort | uniq -c >"$WORK/theirs.txt"
if cmp -s "$WORK/ours.txt" "$WORK/theirs.txt"; then
  echo "agree on $(wc -l <"$WORK/ours.txt") pages, $(awk '{s+=$1} END {print s}' "$WORK/ours.txt") hits"
else
  echo "DISAGREE:"; diff "$WORK/ours.txt" "$WORK/theirs.txt" | head -20
fi

# One document: the corpus merged into one PDF, which the tool reads in parts
# with both workers. Best of three rounds, the four runs alternated.
one_document_case() {
  local merged=$BUILD/merged-$DOCS-$PAGES.pdf round label
  [ -f "$merged" ] || qpdf --empty --pages "$CORPUS"/*.pdf -- "$merged" || [ $? -eq 3 ]  # 3: warnings only
  echo "== one document: the corpus merged into one PDF (best of three)"
  for round in 1 2 3; do
    timed "one_pdfgrep_$round" pdfgrep -F "$PHRASE" "$merged"
    timed "one_bare_loop_$round" "$BUILD/bare_loop" "$merged"
    timed "one_j1_$round" "$TOOL" -N -j 1 -o "$WORK/one-j1.csv" "$PHRASE" "$merged"
    timed "one_j2_$round" "$TOOL" -N -j 2 -o "$WORK/one-j2.csv" "$PHRASE" "$merged"
  done
  declare -A best
  for label in pdfgrep bare_loop j1 j2; do best[$label]=$(best_of SECONDS_OF "one_${label}_" 3); done
  echo "load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "one document, -j 2 speed-up over -j 1:      $(ratio "${best[j1]}" "${best[j2]}") (target >= 1.80)"
  echo "one document, -j 1 throughput / bare loop:  $(ratio "${best[bare_loop]}" "${best[j1]}") (target >= 0.90)"
  echo "one document, -j 2 speed-up over pdfgrep:   $(ratio "${best[pdfgrep]}" "${best[j2]}") (target >= 2.50)"
  cmp -s "$WORK/one-j1.csv" "$WORK/one-j2.csv" && echo "one document, CSV with -j 1 and -j 2: identical" ||
    echo "one document, CSV with -j 1 and -j 2: DIFFERENT"
  echo "pages: $(grep -o 'ページ: [0-9]*' "$WORK/one_j1_1.out")"
}
one_document_case

# The page-text cache at -j 1: the first search (cache filled) against -N,
# best of five each, alternated, as the machine is shared; a second search
# with another string, best of five as well, beside pdfgrep's warm --cache;
# and the same lists from cold, warm and -N runs.
cache_case() {
  local cache=$WORK/cache pdfgrep_cache=$WORK/pdfgrep-cache round
  echo "== page-text cache (-j 1)"
  for round in 1 2 3 4 5; do
    rm -rf "$cache"
    timed "cache_cold_$round" "$TOOL" -j 1 -o "$WORK/cold.csv" "$PHRASE" "$CORPUS"
    timed "cache_off_$round" "$TOOL" -N -j 1 -o "$WORK/off.csv" "$PHRASE" "$CORPUS"
  done
  rm -rf "$pdfgrep_cache"
  timed pdfgrep_cache_cold env XDG_CACHE_HOME="$pdfgrep_cache" pdfgrep --cache -r -F "$PHRASE" "$CORPUS"
  for round in 1 2 3 4 5; do
    timed "cache_warm_$round" "$TOOL" -j 1 -o "$WORK/warm.csv" invoice "$CORPUS"
    timed "pdfgrep_cache_warm_$round" env XDG_CACHE_HOME="$pdfgrep_cache" pdfgrep --cache -r -F invoice "$CORPUS"
  done
  local cold off cold_cpu off_cpu warm pdfgrep_warm
  cold=$(best_of SECONDS_OF cache_cold_) off=$(best_of SECONDS_OF cache_off_)
  warm=$(best_of SECONDS_OF cache_warm_) pdfgrep_warm=$(best_of SECONDS_OF pdfgrep_cache_warm_)
  cold_cpu=$(best_of CPU_OF cache_cold_) off_cpu=$(best_of CPU_OF cache_off_)
  echo "first search with cache / -N:        $(ratio "$cold" "$off") wall (best $cold s / $off s), $(ratio "$cold_cpu" "$off_cpu") cpu (target <= 1.05)"
  echo "first / second search:               $(ratio "$cold" "$warm") (best $warm s; target >= 20)"
  echo "pdfgrep warm --cache / our second:   $(ratio "$pdfgrep_warm" "$warm") (best $pdfgrep_warm s; target > 1)"
  echo "from the cache: $(grep -o 'キャッシュから読んだファイル: [0-9]* 件' "$WORK/cache_warm_1.out")"
  cmp -s "$WORK/cold.csv" "$WORK/off.csv" && echo "CSV cold and -N: identical" || echo "CSV cold and -N: DIFFERENT"
  local phrase options same=0 differ=0
  for phrase in "$PHRASE" invoice 請求書 "quarterly report" REVIEW; do
    for options in "" "-c" "-n" "-c -n"; do
      # shellcheck disable=SC2086
      "$TOOL" $options -j 1 -o "$WORK/warm.csv" "$phrase" "$CORPUS" >/dev/null || true
      # shellcheck disable=SC2086
      "$TOOL" -N $options -j 2 -o "$WORK/off.csv" "$phrase" "$CORPUS" >/dev/null || true
      if cmp -s "$WORK/warm.csv" "$WORK/off.csv"; then same=$((same + 1)); else differ=$((differ + 1)); echo "DIFFERENT: $options $phrase"; fi
    done
  done
  echo "CSV warm and -N over 5 strings x 4 option sets: $same identical, $differ different"
}
cache_case
