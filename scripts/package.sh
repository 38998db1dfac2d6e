#!/usr/bin/env bash
# Makes the Windows packages from the builds: dist/PDF-Vivevav-<version>-win64.zip
# (to unpack anywhere) and dist/PDF-Vivevav-<version>-win64.msi (a per-user
# installer). The same commit gives the same bytes: every file is dated with
# the commit's time and the installer's codes are derived from it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt" "$ROOT/scripts/packages-package.txt"
build_program_and_tool

# The sources whose builds Zuvediv.exe carries, and the data beside it.
LICENSED_SOURCES=(poppler icu sqlite3 tesseract leptonlib libpng1.6 libjpeg-turbo tiff freetype openjpeg2 lcms2 zlib poppler-data)

# Debian's copyright file for a source package, from any installed package built from it.
copyright_of_source() {
    local pkg
    for pkg in $(dpkg-query -W -f='${db:Status-Abbrev}|${binary:Package}|${source:Package}\n' |
        awk -F'|' -v s="$1" '$1 ~ /^ii/ && $3 == s { sub(/:.*/, "", $2); print $2 }'); do
        [ -f "/usr/share/doc/$pkg/copyright" ] && { echo "/usr/share/doc/$pkg/copyright"; return 0; }
    done
    log "no copyright file of $1 is installed"; return 1
}

# The project's licence, the libraries' and the recogniser languages', and the guide.
add_documents() {
    local dir="$1" source lang file
    mkdir -p "$dir/licenses"
    cp "$ROOT/LICENSE" "$dir/LICENSE"
    for source in "${LICENSED_SOURCES[@]}"; do
        file=$(copyright_of_source "$source") || return 1
        cp "$file" "$dir/licenses/$source.txt"
    done
    for lang in "$dir"/tessdata/*.traineddata; do
        lang=$(basename "$lang" .traineddata)
        cp "/usr/share/doc/tesseract-ocr-${lang//_/-}/copyright" "$dir/licenses/tesseract-ocr-${lang//_/-}.txt"
    done
    # Notepad and every Windows editor read UTF-8 with a byte-order mark and CRLF.
    printf '\xEF\xBB\xBF' >"$dir/使い方.txt"
    sed 's/$/\r/' "$ROOT/scripts/package/使い方.txt" >>"$dir/使い方.txt"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_MINGW/CMakeCache.txt")
epoch=$(git -C "$ROOT" log -1 --format=%ct)
name="PDF-Vivevav-$version-win64"
work="$ROOT/build/package"
stage="$work/PDF Vivevav"
rm -rf "$work"
mkdir -p "$stage" "$ROOT/dist"
log "packaging $name from the commit of $(TZ=UTC date -d "@$epoch" '+%F %T') UTC"
assemble_program_dir "$stage"
add_documents "$stage"
find "$stage" -exec env TZ=UTC touch -h -d "@$epoch" {} +

/usr/bin/python3 "$ROOT/scripts/package/make_zip.py" "$stage" "PDF Vivevav" "$epoch" "$ROOT/dist/$name.zip"

bash "$ROOT/scripts/package/make_msi.sh" "$stage" "$version" "$(git -C "$ROOT" rev-parse HEAD)" "$epoch" "$ROOT/dist/$name.msi"
ls -l "$ROOT/dist/$name.zip" "$ROOT/dist/$name.msi" >&2
