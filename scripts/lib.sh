# Shared set-up for the run and test commands: packages, builds, Wine, Xvfb.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_NATIVE="$ROOT/build/native"
BUILD_MINGW="$ROOT/build/mingw"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine hands command lines to native programs in the locale's encoding, and
# its console lays out Japanese text in full-width cells only in a Japanese
# locale; ensure_japanese_locale makes one when it is missing.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# The Japanese font that stands in for the dialogs' fonts: IPA P Gothic with
# narrowed kana and kanji, made by make_ui_font.py (see README).
UI_FONT_FACE="Vivevav UI Gothic"
UI_FONT_SOURCE=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
UI_FONT_FILE="$ROOT/build/fonts/vivevav-ui-gothic.ttf"
# The console font: IPA Gothic with a bounding box one half-width cell wide,
# made by make_console_font.py (see README).
CONSOLE_FONT_FACE="Vivevav Console Gothic"
CONSOLE_FONT_SOURCE=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
CONSOLE_FONT_FILE="$ROOT/build/fonts/vivevav-console-gothic.ttf"
# Wine draws the caption buttons with Marlett; Debian's Wine keeps it in its
# own data folder, where a prefix does not look for fonts.
MARLETT_FONT=/usr/share/wine/fonts/marlett.ttf

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages named in the given lists when any is missing.
ensure_packages() {
    local missing=() pkg list
    for list in "$@"; do
        while read -r pkg; do
            [[ -z "$pkg" || "$pkg" == \#* ]] && continue
            dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
        done < "$list"
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}" >/dev/null
}

ensure_japanese_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >/dev/null 2>&1 || true
    fi
    if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    fi
}

# The program directory for Linux users: the program, and the search tool's
# Linux build behind Zuvediv.exe, a console bridge.
assemble_bridge_program_dir() {
    local dir="$1"
    mkdir -p "$dir"
    cp "$BUILD_MINGW/Vivevav.exe" "$dir/"
    cp "$BUILD_MINGW/zuvediv/wine_bridge/Zuvediv.exe" "$dir/"
    cp "$BUILD_NATIVE/zuvediv/zuvediv" "$dir/zuvediv"
}

# What the search tool takes from ICU's data archive: the NFKC and
# NFKC-casefold normalisers (text folding; SASLprep's NFKC step), SASLprep's
# StringPrep profile, and the Windows-31J converter with the alias table that
# finds it by name. NFC, character properties and case folding are built into
# ICU's library itself.
ICU_DATA_ITEMS=(nfkc.nrm nfkc_cf.nrm rfc4013.spp ibm-943_P15A-2003.cnv cnvalias.icu)

# Writes DIR/<archive's name> with only ICU_DATA_ITEMS: cut_icu_data ARCHIVE DIR.
cut_icu_data() {
    local work name
    work=$(mktemp -d) name=$(basename "$1")
    mkdir "$work/cut"
    cp "$1" "$work/$name"  # the file's name is the package's name, in and out
    icupkg -l "$work/$name" | grep -vxF -f <(printf '%s\n' "${ICU_DATA_ITEMS[@]}") >"$work/drop.txt"
    (cd "$work" && icupkg -r drop.txt "$name" "cut/$name" >/dev/null) &&
        [ "$(icupkg -l "$work/cut/$name" | sort)" = "$(printf '%s\n' "${ICU_DATA_ITEMS[@]}" | sort)" ] &&
        mv "$work/cut/$name" "$2/$name"
    local status=$?
    rm -rf "$work"
    [ $status -eq 0 ] || log "cannot cut ICU's data to the tool's part"
    return $status
}

# The program directory with the search tool built for Windows: the program,
# Zuvediv.exe, and the data files the tool finds beside itself: its part of
# ICU's data archive, poppler's encoding tables (share/poppler, Debian's
# poppler-data) and the recogniser's languages (tessdata: jpn and eng, osd
# and jpn_vert where installed).
assemble_program_dir() {
    local dir="$1" deps lang tessdata
    deps=$(sed -n 's/^ZUVEDIV_DEPS_PREFIX:PATH=//p' "$BUILD_MINGW/CMakeCache.txt")
    tessdata=$(ls -d /usr/share/tesseract-ocr/*/tessdata | tail -1)
    [ -f "$BUILD_MINGW/zuvediv/Zuvediv.exe" ] && [ -d "$deps/share/icu" ] || { log "the Windows search tool is not built"; return 1; }
    mkdir -p "$dir/tessdata" "$dir/share"
    cp "$BUILD_MINGW/Vivevav.exe" "$BUILD_MINGW/zuvediv/Zuvediv.exe" "$dir/"
    rm -f "$dir"/icudt*.dat
    cut_icu_data "$(ls "$deps"/share/icu/*/icudt*.dat)" "$dir" || return 1
    rm -rf "$dir/share/poppler"
    cp -r /usr/share/poppler "$dir/share/poppler"
    for lang in jpn eng osd jpn_vert; do
        if [ -f "$tessdata/$lang.traineddata" ]; then cp "$tessdata/$lang.traineddata" "$dir/tessdata/"; fi
    done
}

build_native() {
    cmake -S "$ROOT" -B "$BUILD_NATIVE" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_NATIVE" -j"$(nproc)"
}

# With the search tool's Windows libraries (built once, then cached).
build_mingw() {
    local deps
    deps=$(bash "$ROOT/scripts/windows_deps/build.sh" | tail -1) && [ -d "$deps" ] || return 1
    cmake -S "$ROOT" -B "$BUILD_MINGW" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DZUVEDIV_DEPS_PREFIX="$deps" >/dev/null
    cmake --build "$BUILD_MINGW" -j"$(nproc)"
}

# Both builds, each logged to build/<kind>-build.log; shows the log's end on failure.
build_program_and_tool() {
    mkdir -p "$ROOT/build"
    log "building the program and the search tool for Windows, and the search tool natively"
    build_mingw >"$ROOT/build/mingw-build.log" 2>&1 || { tail -30 "$ROOT/build/mingw-build.log"; return 1; }
    build_native >"$ROOT/build/native-build.log" 2>&1 || { tail -30 "$ROOT/build/native-build.log"; return 1; }
}

# Starts Xvfb on a free display when there is no display; sets DISPLAY.
XVFB_PID=""
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${VIVEVAV_FORCE_XVFB:-}" ]; then return 0; fi
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
    log "Xvfb did not start"; return 1
}

stop_display() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

# Makes a derived font with one of our font scripts, again whenever the
# script is newer than the font: make_font SCRIPT SOURCE TARGET.
make_font() {
    [ -f "$3" ] && [ "$3" -nt "$ROOT/scripts/$1" ] && return 0
    mkdir -p "$(dirname "$3")"
    /usr/bin/python3 "$ROOT/scripts/$1" "$2" "$3.tmp" && mv "$3.tmp" "$3"
}

# Makes (once) a Wine prefix with Japanese dialog fonts and no wait for a window manager.
prepare_prefix() {
    export WINEPREFIX="$1"
    mkdir -p "$WINEPREFIX"
    # One persistent server for the whole run, started before anything else.
    "$WINESERVER" -p 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating Wine prefix $WINEPREFIX"
        "$WINE" wineboot -i >/dev/null 2>&1
    fi
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    make_font make_ui_font.py "$UI_FONT_SOURCE" "$UI_FONT_FILE"
    make_font make_console_font.py "$CONSOLE_FONT_SOURCE" "$CONSOLE_FONT_FILE"
    cp "$UI_FONT_FILE" "$CONSOLE_FONT_FILE" "$MARLETT_FONT" "$WINEPREFIX/drive_c/windows/Fonts/"
    "$WINE" reg add 'HKCU\Console' /v FaceName /d "$CONSOLE_FONT_FACE" /f >/dev/null 2>&1
    local face
    for face in "MS UI Gothic" "MS Shell Dlg" "MS Shell Dlg 2"; do
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$UI_FONT_FACE" /f >/dev/null 2>&1
    done
}

stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -w >/dev/null 2>&1
    return 0
}
