# The Windows packages, each check counted as one test: packaged twice to
# the same bytes; the zip's contents and size; the zip unpacked into a
# fresh prefix, under a folder with a blank and Japanese in its name, and the
# program driven from there; the installer installed into another fresh
# prefix, the installed program driven, upgraded by a newer installer and
# uninstalled. Sourced by test.sh after the other Wine tests; uses its
# add_counts and run_wine_tests. Both prefixes go with PACKAGE_WORK.

PACKAGE_WORK=""
PACKAGE_PREFIXES=()

check() {  # check WHAT COMMAND...; its status
    if "${@:2}"; then add_counts 1 0; else echo "FAILED: $1"; add_counts 0 1; return 1; fi
}

# Ends the packages' prefixes' servers and removes their files.
package_cleanup() {
    local p
    for p in "${PACKAGE_PREFIXES[@]}"; do WINEPREFIX="$p" stop_wine; done
    [ -n "$PACKAGE_WORK" ] && rm -rf "$PACKAGE_WORK"
    PACKAGE_PREFIXES=()
    PACKAGE_WORK=""
}

packaged_twice_the_same() {
    bash "$ROOT/scripts/package.sh" >"$PACKAGE_WORK/package-1.log" 2>&1 || { tail -20 "$PACKAGE_WORK/package-1.log"; return 1; }
    cp "$ROOT/dist/$PACKAGE_NAME".{zip,msi} "$PACKAGE_WORK/"
    bash "$ROOT/scripts/package.sh" >"$PACKAGE_WORK/package-2.log" 2>&1 || { tail -20 "$PACKAGE_WORK/package-2.log"; return 1; }
    cmp "$ROOT/dist/$PACKAGE_NAME.zip" "$PACKAGE_WORK/$PACKAGE_NAME.zip" &&
        cmp "$ROOT/dist/$PACKAGE_NAME.msi" "$PACKAGE_WORK/$PACKAGE_NAME.msi"
}

# A fresh prefix of its own for one package; the documents to search (the
# samples and a scanned page made from one of them) in C:\docs.
fresh_prefix() {
    local docs
    prepare_prefix "$PACKAGE_WORK/$1"
    PACKAGE_PREFIXES+=("$WINEPREFIX")
    docs="$WINEPREFIX/drive_c/docs"
    cp -r "$BUILD_NATIVE/samples/pdf" "$docs"
    cp "$PACKAGE_WORK/scan.pdf" "$docs/スキャン.pdf"
    mkdir -p "$WINEPREFIX/drive_c/out"
}

# Runs the packaged-program tests against the program in the Windows folder $1.
drive_packaged_program() {
    rm -rf "$WINEPREFIX/drive_c/out"/*
    VIVEVAV_PROGRAM_DIR="$1" VIVEVAV_SEARCH_DOCS='C:\docs' VIVEVAV_SEARCH_OUT='C:\out' \
        run_wine_tests "$BUILD_MINGW/tests/wine/wine_tests.exe" --gtest_filter='PackagedProgram.*'
}

# Every page image has red frames drawn on it (ImageMagick counts red pixels).
images_framed() {
    local image red count=0
    while IFS= read -r -d '' image; do
        red=$(convert "$image" -fuzz 25% -fill black +opaque red -fill white -opaque red -format '%[fx:mean>0]' info:)
        [ "$red" = 1 ] || { echo "no frame in $image"; return 1; }
        count=$((count + 1))
    done < <(find "$WINEPREFIX/drive_c/out" -name '*.png' -print0)
    [ "$count" -ge 3 ]
}

unpack_zip() {
    /usr/bin/python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
        "$ROOT/dist/$PACKAGE_NAME.zip" "$WINEPREFIX/drive_c/ツール 置き場"
}

# The unpacked folder holds no Linux program (the program starts the tool beside itself by its full path).
no_linux_tool_reachable() {
    ! grep -rlq --binary-files=binary -m1 $'^\x7fELF' "$WINEPREFIX/drive_c/ツール 置き場"
}

test_unpacked_zip() {
    fresh_prefix zip-prefix
    check "the zip unpacks" unpack_zip || return
    check "no Linux tool is reachable from the unpacked folder" no_linux_tool_reachable
    drive_packaged_program 'C:\ツール 置き場\PDF Vivevav'
    check "the unpacked program frames its hits" images_framed
}

user_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)"; }
installed_dir() { echo "$(user_dir)/AppData/Local/Programs/PDF Vivevav"; }
start_menu_shortcut() { echo "$(user_dir)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/PDF Vivevav.lnk"; }
run_msiexec() { "$WINE" msiexec "$1" "$("$WINE" winepath -w "$2" 2>/dev/null)" /qn >/dev/null 2>&1; }

# The installed-programs entries named PDF Vivevav, one line each: version and publisher.
arp_entries() {
    local root
    for root in HKCU HKLM; do
        "$WINE" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null | tr -d '\r' |
            awk '/^HKEY/ { if (name == "PDF Vivevav") print version " " publisher; name = version = publisher = "" }
                 $1 == "DisplayName" { $1 = $2 = ""; sub(/^ +/, ""); name = $0 }
                 $1 == "DisplayVersion" { version = $3 } $1 == "Publisher" { publisher = $3 }
                 END { if (name == "PDF Vivevav") print version " " publisher }'
    done
}

installed_as_packaged() { diff -r "$ROOT/build/package/PDF Vivevav" "$(installed_dir)"; }
has_shortcut() { [ -f "$(start_menu_shortcut)" ]; }
arp_shows() { [ "$(arp_entries)" = "$1 Rudedode" ] || { echo "installed programs: $(arp_entries)"; return 1; }; }

# A newer installer (a higher version; the guide changed, one licence gone) from a copy of the package's folder.
make_newer_installer() {
    local stage="$PACKAGE_WORK/newer/PDF Vivevav"
    mkdir -p "$PACKAGE_WORK/newer"
    cp -al "$ROOT/build/package/PDF Vivevav" "$stage"
    rm "$stage/使い方.txt" "$stage/licenses/zlib.txt"
    echo newer >"$stage/使い方.txt"
    bash "$ROOT/scripts/package/make_msi.sh" "$stage" "$NEWER_VERSION" newer 0 "$PACKAGE_WORK/newer.msi"
}

upgraded_in_place() {
    run_msiexec /i "$PACKAGE_WORK/newer.msi" && arp_shows "$NEWER_VERSION" &&
        [ "$(cat "$(installed_dir)/使い方.txt")" = newer ] && [ ! -e "$(installed_dir)/licenses/zlib.txt" ] &&
        [ -f "$(installed_dir)/Vivevav.exe" ] && has_shortcut
}

# Uninstalled: no installed file, shortcut or entry; the user's settings and cache stay.
uninstalled_keeping_the_users_data() {
    "$WINE" reg add 'HKCU\Software\Rudedode\Vivevav\Settings' /v Kept /t REG_DWORD /d 1 /f >/dev/null 2>&1
    run_msiexec /x "$PACKAGE_WORK/newer.msi"
    local left
    left=$(find "$(installed_dir)" -type f 2>/dev/null)
    [ -z "$left" ] || { echo "left behind: $left"; return 1; }
    ! has_shortcut && [ -z "$(arp_entries)" ] && [ -d "$(user_dir)/AppData/Local/Zuvediv" ] &&
        "$WINE" reg query 'HKCU\Software\Rudedode\Vivevav\Settings' /v Kept >/dev/null 2>&1
}

test_installer() {
    fresh_prefix msi-prefix
    check "the installer installs per user" run_msiexec /i "$ROOT/dist/$PACKAGE_NAME.msi" || return
    check "every packaged file is installed" installed_as_packaged
    check "the Start menu has the shortcut" has_shortcut
    check "installed programs list it with version and publisher" arp_shows "$PACKAGE_VERSION"
    drive_packaged_program "$("$WINE" winepath -w "$(installed_dir)" 2>/dev/null | tr -d '\r')"
    check "a newer installer is made" make_newer_installer &&
        check "a newer installer upgrades in place" upgraded_in_place
    check "uninstalling removes what was installed and keeps the user's data" uninstalled_keeping_the_users_data
}

# All package checks; the scanned page is the invoice's second page, whose
# 請求書 the recogniser reads (its title it does not).
test_packages() {
    PACKAGE_WORK=$(mktemp -d /tmp/vivevav-package-XXXXXX)
    PACKAGE_VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_MINGW/CMakeCache.txt")
    PACKAGE_NAME="PDF-Vivevav-$PACKAGE_VERSION-win64"
    # Windows Installer compares only the first three parts of a version.
    NEWER_VERSION=$(awk -F. '{ print $1 "." $2 "." $3 + 1 ".0" }' <<<"$PACKAGE_VERSION")
    local main_prefix="${WINEPREFIX:-}"
    check "packaged twice to the same bytes" packaged_twice_the_same || { package_cleanup; return; }
    check "the zip holds what a user needs and nothing else" \
        /usr/bin/python3 "$ROOT/tests/package/check_zip.py" "$ROOT/dist/$PACKAGE_NAME.zip" "$(git -C "$ROOT" log -1 --format=%ct)"
    pdftoppm -r 200 -f 2 -l 2 -png "$BUILD_NATIVE/samples/pdf/請求書_2026-11.pdf" "$PACKAGE_WORK/scan" &&
        img2pdf "$PACKAGE_WORK"/scan-*2.png -o "$PACKAGE_WORK/scan.pdf"
    test_unpacked_zip
    test_installer
    package_cleanup
    export WINEPREFIX="$main_prefix"
}
