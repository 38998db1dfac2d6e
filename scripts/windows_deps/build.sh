#!/usr/bin/env bash
# Cross-builds the search tool's libraries for Windows, static, from Debian's
# own source packages (with Debian's patches), into a cached install prefix
# whose path is printed as the last line. Progress goes to stderr, each
# library's output to a log under $VIVEVAV_DEPS_CACHE/logs/.
#
#   prefix=$(bash scripts/windows_deps/build.sh | tail -n 1)
#   PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig pkg-config --static --cflags --libs poppler-cpp ...
#   bash scripts/windows_deps/smoke.sh FILE.pdf    # the libraries at work under Wine
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../lib.sh"
source "$HERE/apt_sources.sh"
source "$HERE/steps.sh"
source "$HERE/libs.sh"

CACHE=${VIVEVAV_DEPS_CACHE:-/var/cache/vivevav}
DOWNLOADS="$CACHE/src"
STAMP=.complete

# Debian source packages, in build order.
SOURCES=(mimalloc zlib libpng1.6 libjpeg-turbo tiff freetype openjpeg2 lcms2 poppler icu sqlite3 leptonlib tesseract)
# name, source package to unpack first ("-": none), build function
STEPS=(
    "mimalloc mimalloc build_mimalloc"
    "zlib zlib build_zlib"
    "libpng libpng1.6 build_libpng"
    "libjpeg libjpeg-turbo build_libjpeg"
    "tiff tiff build_tiff"
    "freetype freetype build_freetype"
    "openjpeg openjpeg2 build_openjpeg"
    "lcms2 lcms2 build_lcms2"
    "iconv - build_iconv"
    "poppler poppler build_poppler"
    "icu-native icu build_icu_native"
    "icu - build_icu"
    "sqlite sqlite3 build_sqlite"
    "leptonica leptonlib build_leptonica"
    "tesseract tesseract build_tesseract"
)
# What the tool links; checked before the prefix counts as complete.
PC_MODULES="tesseract poppler-cpp icu-uc icu-i18n sqlite3 libpng libjpeg libtiff-4 lept mimalloc"

declare -A VERSION

fetch_sources() {
    local s
    for s in "${SOURCES[@]}"; do VERSION[$s]=$(fetch_source "$s" "$DOWNLOADS"); done
}

# Everything the prefix depends on: our files, the source versions, the compiler.
cache_key() {
    {
        (cd "$HERE" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
        source_list
        toolchain_versions
    } | sha256sum | cut -c1-16
}

# GCC's --version does not change with Debian's revisions, nor with mingw-w64's headers.
toolchain_versions() {
    "$HOST-g++-posix" --version
    dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
}

source_list() {
    local s
    for s in "${SOURCES[@]}"; do echo "$s ${VERSION[$s]}"; done
}

# Environment for the cross builds; flags from the caller's shell would leak in.
cross_env() {
    unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS PKG_CONFIG_PATH PKG_CONFIG_SYSROOT_DIR
    export CC=$HOST-gcc-posix CXX=$HOST-g++-posix AR=$HOST-ar RANLIB=$HOST-ranlib
    export PKG_CONFIG_LIBDIR="$PREFIX/lib/pkgconfig"
}

# Builds into FINAL.tmp and moves it into place only when complete.
build_prefix() {
    local key=$1 start=$SECONDS step
    PREFIX="$FINAL.tmp" WORK="$CACHE/build-$key" LOGS="$CACHE/logs/$key"
    # Under the lock, leftovers of an interrupted run are garbage.
    rm -rf "$CACHE"/mingw-deps-*.tmp "$CACHE"/build-* "$FINAL" "$LOGS"
    mkdir -p "$PREFIX" "$WORK" "$LOGS"
    log "building the Windows libraries into $FINAL (logs: $LOGS)"
    cross_env
    for step in "${STEPS[@]}"; do
        # shellcheck disable=SC2086
        run_step $step
    done
    run_step link-check - check_link
    finish_prefix
    rm -rf "$WORK"
    log "built in $((SECONDS - start))s"
}

# Links the smoke program against every module, so a .pc file that leaves out
# a library fails here rather than in the tool's build.
check_link() {
    # shellcheck disable=SC2046
    $CXX -std=c++17 -static -municode -o "$WORK/smoke.exe" "$HERE/smoke.cpp" \
        $(pkg-config --static --cflags --libs $PC_MODULES)
}

finish_prefix() {
    # Only libraries, headers, .pc/CMake files and ICU's data: no tools or manuals.
    rm -rf "${PREFIX:?}"/bin "$PREFIX"/lib/*.la "$PREFIX"/share/man "$PREFIX"/share/doc
    # Paths recorded while building name the temporary directory.
    grep -rlIZ -F "$PREFIX" "$PREFIX" | xargs -0 -r sed -i "s|$PREFIX|$FINAL|g"
    { source_list; toolchain_versions; } >"$PREFIX/$STAMP"
    mv "$PREFIX" "$FINAL"
}

# Keeps the two most recently used prefixes.
prune_prefixes() {
    local old
    find "$CACHE" -maxdepth 1 -name 'mingw-deps-*' ! -name '*.tmp' -printf '%T@ %p\n' |
        sort -rn | tail -n +3 | cut -d' ' -f2- |
        while read -r old; do rm -rf "$old"; done
    local logs
    for logs in "$CACHE"/logs/*; do
        if [ ! -d "$CACHE/mingw-deps-${logs##*/}" ]; then rm -rf "$logs"; fi
    done
}

main() {
    ensure_packages "$ROOT/scripts/packages-windows-deps.txt"
    ensure_deb_src
    mkdir -p "$CACHE"
    # One run at a time: a second waits, then finds the first's prefix.
    exec 9>"$CACHE/.lock"
    flock 9
    fetch_sources
    FINAL="$CACHE/mingw-deps-$(cache_key)"
    if [ -f "$FINAL/$STAMP" ]; then
        touch "$FINAL"
    else
        build_prefix "${FINAL##*/mingw-deps-}"
    fi
    prune_prefixes
    echo "$FINAL"
}

main "$@"
