#!/usr/bin/env bash
# Checks the include directions, builds everything and runs every test:
# native unit tests (the tool's command-line tests against both of its
# builds), the Windows build's own tests under Wine, then the tests that
# drive the real program under Wine, then the Windows packages (tests/package).
# Ends with "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"
source "$ROOT/tests/package/package_checks.sh"

ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt" "$ROOT/scripts/packages-package.txt" || exit 1

passed=0
failed=0
add_counts() { passed=$((passed + $1)); failed=$((failed + $2)); }

# Counts a GoogleTest XML report: count_report FILE WHAT.
count_report() {
    if [ ! -f "$1" ]; then
        echo "$2 did not report"; add_counts 0 1; return
    fi
    local total bad
    total=$(grep -o -m1 '<testsuites tests="[0-9]*"' "$1" | grep -o '[0-9]*')
    bad=$(grep -o -m1 '<testsuites tests="[0-9]*" failures="[0-9]*"' "$1" | grep -o '[0-9]*"$' | tr -d '"')
    add_counts $((total - bad)) "$bad"
}

# Runs a Windows test program under Wine with an XML report beside it;
# further arguments go to the program.
run_wine_tests() {
    local exe="$1" report="${1%.exe}.xml"
    rm -f "$report"
    (cd "$(dirname "$exe")" && timeout 1800 "$WINE" "$exe" --gtest_output="xml:$(basename "$report")" "${@:2}" </dev/null)
    count_report "$report" "$(basename "$exe")"
}

log "include directions (scripts/check_layers.py)"
if python3 "$ROOT/scripts/check_layers.py"; then add_counts 1 0; else add_counts 0 1; fi

mkdir -p "$ROOT/build"
log "native build"
native_built=1
build_native >"$ROOT/build/native-build.log" 2>&1 || {
    tail -40 "$ROOT/build/native-build.log"; echo "native build failed"; add_counts 0 1; native_built=0
}
log "cross build (the search tool's Windows libraries are built once, then cached)"
cross_built=1
build_mingw >"$ROOT/build/mingw-build.log" 2>&1 || {
    tail -40 "$ROOT/build/mingw-build.log"; echo "cross build failed"; add_counts 0 1; cross_built=0
}

ensure_japanese_locale
VIVEVAV_FORCE_XVFB=1 ensure_display || add_counts 0 1
prefix=$(mktemp -d /tmp/vivevav-wine-XXXXXX)
trap 'package_cleanup; WINEPREFIX="$prefix" stop_wine; rm -rf "$prefix"; stop_display' EXIT
prepare_prefix "$prefix"
export XDG_CACHE_HOME="$prefix/page-cache"  # the Linux tool's cache goes with the prefix
if [ "$cross_built" -eq 1 ]; then
    assemble_program_dir "$ROOT/build/program" || cross_built=0
    assemble_bridge_program_dir "$ROOT/build/program-linux"
fi

if [ "$native_built" -eq 1 ]; then
    log "native tests"
    # The tool's command-line tests run the Windows build too, in this prefix.
    [ "$cross_built" -eq 1 ] && export ZUVEDIV_WINDOWS_TOOL="$ROOT/build/program/Zuvediv.exe" ZUVEDIV_TEST_WINEPREFIX="$prefix"
    ctest --test-dir "$BUILD_NATIVE" -j"$(nproc)" --output-on-failure --timeout 600 | tee "$BUILD_NATIVE/ctest.log" | grep -vE '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$BUILD_NATIVE/ctest.log" | tail -1)
    if [ -n "$summary" ]; then
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
        bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
        add_counts $((total - bad)) "$bad"
    else
        echo "native tests did not report"; add_counts 0 1
    fi
fi

if [ "$cross_built" -eq 1 ]; then
    log "the Windows build's own tests under Wine (prefix $prefix, display $DISPLAY)"
    run_wine_tests "$BUILD_MINGW/tests/zuvediv/windows/zuvediv_windows_tests.exe"
    run_wine_tests "$BUILD_MINGW/tests/zuvediv/windows/zuvediv_windows_worker_tests.exe"
    log "Wine tests of the program"
    run_wine_tests "$BUILD_MINGW/tests/wine/wine_tests.exe" --gtest_filter='-PackagedProgram.*'
fi

if [ "$cross_built" -eq 1 ] && [ "$native_built" -eq 1 ]; then
    log "the Windows packages: made, unpacked and installed in fresh prefixes"
    test_packages
fi

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
