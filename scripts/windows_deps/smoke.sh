#!/usr/bin/env bash
# Runs smoke.cpp under Wine against the cached prefix (building it when needed)
# on page 1 of a PDF, and compares the text with Debian's pdftotext.
#   bash scripts/windows_deps/smoke.sh FILE.pdf [eng|jpn]
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../lib.sh"
PDF=$(realpath "$1")
OCR_LANG=${2:-eng}
TESSDATA=/usr/share/tesseract-ocr/5/tessdata
MODULES="tesseract poppler-cpp icu-uc icu-i18n sqlite3 libpng libjpeg libtiff-4 lept"

ensure_packages "$ROOT/scripts/packages-wine.txt"
PREFIX=$(bash "$HERE/build.sh" | tail -n 1)
DIR=$(mktemp -d)
export WINEPREFIX="$DIR/wine"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$DIR"' EXIT

mkdir -p "$DIR/icu" "$DIR/tessdata" "$DIR/out"
cp "$PREFIX"/share/icu/*/icudt*.dat "$DIR/icu/"
cp "$TESSDATA/$OCR_LANG.traineddata" "$DIR/tessdata/"
cp "$PDF" "$DIR/in.pdf"
# shellcheck disable=SC2046
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -static -municode -o "$DIR/smoke.exe" "$HERE/smoke.cpp" \
    $(PKG_CONFIG_LIBDIR="$PREFIX/lib/pkgconfig" pkg-config --static --cflags --libs $MODULES)

"$WINE" wineboot -i >/dev/null 2>&1
win() { echo "Z:${1//\//\\}"; }
"$WINE" "$DIR/smoke.exe" "$(win "$DIR/in.pdf")" "$(win "$DIR/out")" "$(win "$DIR/icu")" \
    "$(win "$DIR/tessdata")" "$OCR_LANG"
echo "NFKC: $(cat "$DIR/out/nfkc.txt")"
echo "OCR of the rendering:"
cat "$DIR/out/ocr.txt"
if command -v pdftotext >/dev/null; then
    # poppler-cpp ends lines with CRLF on Windows; pdftotext adds blank lines.
    diff <(tr -d '\r\f' <"$DIR/out/page1.txt" | sed '/^$/d') \
        <(pdftotext -f 1 -l 1 "$PDF" - | tr -d '\f' | sed '/^$/d')
    echo "page 1's text matches pdftotext's"
fi
