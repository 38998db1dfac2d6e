#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the tests
# that drive the real program under Wine. Ends with "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages "$ROOT/scripts/packages-native.txt" "$ROOT/scripts/packages-wine.txt" || exit 1

passed=0
failed=0
add_counts() { passed=$((passed + $1)); failed=$((failed + $2)); }

log "native build"
mkdir -p "$ROOT/build"
if ! build_native >"$ROOT/build/native-build.log" 2>&1; then
    tail -40 "$ROOT/build/native-build.log"; echo "native build failed"; add_counts 0 1
else
    log "native tests"
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

log "cross build"
if ! build_mingw >"$ROOT/build/mingw-build.log" 2>&1; then
    tail -40 "$ROOT/build/mingw-build.log"; echo "cross build failed"; add_counts 0 1
else
    assemble_program_dir "$ROOT/build/program"
    ensure_japanese_locale
    VIVEVAV_FORCE_XVFB=1 ensure_display || add_counts 0 1
    prefix=$(mktemp -d /tmp/vivevav-wine-XXXXXX)
    trap 'stop_wine; rm -rf "$prefix"; stop_display' EXIT
    prepare_prefix "$prefix"
    export XDG_CACHE_HOME="$prefix/page-cache"  # the tool's cache goes with the prefix
    log "Wine tests (prefix $prefix, display $DISPLAY)"
    report="$BUILD_MINGW/wine-tests.xml"
    rm -f "$report"
    (cd "$BUILD_MINGW" && timeout 1800 "$WINE" tests/wine/wine_tests.exe --gtest_output="xml:wine-tests.xml" </dev/null)
    if [ -f "$report" ]; then
        total=$(grep -o -m1 '<testsuites tests="[0-9]*"' "$report" | grep -o '[0-9]*')
        bad=$(grep -o -m1 '<testsuites tests="[0-9]*" failures="[0-9]*"' "$report" | grep -o '[0-9]*"$' | tr -d '"')
        add_counts $((total - bad)) "$bad"
    else
        echo "Wine tests did not report"; add_counts 0 1
    fi
fi

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
