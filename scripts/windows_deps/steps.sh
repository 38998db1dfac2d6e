# Helpers for the library builds: running one logged step, CMake and autotools
# cross builds, and .pc file fixes. Sourced by build.sh.

HOST=x86_64-w64-mingw32
CROSS_CFLAGS="-O2 -Wa,-muse-unaligned-vector-move"
JOBS=$(nproc)

# Runs one library's build in a subshell with errexit, output in $LOGS/NAME.log;
# on failure shows the log's end and exits: run_step NAME SOURCE FUNCTION.
# SOURCE is unpacked into $WORK first unless it is "-".
run_step() {
    local name=$1 source=$2 func=$3 log="$LOGS/$1.log" start=$SECONDS rc
    printf '== %-12s' "$name" >&2
    set +e
    (
        set -e
        # A build that installs to a relative path stays in the work tree.
        cd "$WORK"
        if [ "$source" != - ]; then
            unpack_source "$source" "${VERSION[$source]}" "$DOWNLOADS" "$WORK/$source"
            apply_patches "$source"
        fi
        "$func"
    ) >"$log" 2>&1
    rc=$?
    set -e
    if [ "$rc" -ne 0 ]; then
        printf 'failed; the end of %s:\n' "$log" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
    printf '%4ds\n' $((SECONDS - start)) >&2
}

# Our own few patches, patches/SOURCE-*.patch, on top of Debian's.
apply_patches() {
    local patch
    for patch in "$HERE/patches/$1"-*.patch; do
        [ -f "$patch" ] || continue
        patch -d "$WORK/$1" -p1 --forward <"$patch"
    done
}

# Makes a build directory and works in it.
enter() {
    mkdir -p "$1"
    cd "$1"
}

# Configures, builds and installs the CMake project in $WORK/SOURCE: cmake_lib SOURCE [ARGS...]
cmake_lib() {
    local source=$1
    shift
    cmake -S "$WORK/$source" -B "$WORK/$source-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$HERE/toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_FIND_ROOT_PATH="$PREFIX" -DCMAKE_PREFIX_PATH="$PREFIX" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF "$@"
    cmake --build "$WORK/$source-build" -j"$JOBS"
    cmake --install "$WORK/$source-build"
}

# Runs an autotools configure for a static Windows build into $PREFIX: configure_cross SRC [ARGS...]
configure_cross() {
    local src=$1
    shift
    CFLAGS="$CROSS_CFLAGS" CXXFLAGS="$CROSS_CFLAGS" CPPFLAGS="-I$PREFIX/include" LDFLAGS="-L$PREFIX/lib" \
        "$src/configure" --host="$HOST" --prefix="$PREFIX" --disable-shared --enable-static "$@"
}

# Adds words to a field of a .pc file in the prefix, making the field if missing:
# pc_extend NAME FIELD WORDS.
pc_extend() {
    local pc="$PREFIX/lib/pkgconfig/$1.pc"
    if grep -q "^$2:" "$pc"; then
        sed -i "s|^$2:\(.*\)|$2:\1 $3|" "$pc"
    else
        echo "$2: $3" >>"$pc"
    fi
}

pc_append_cflags() { pc_extend "$1" Cflags "$2"; }

# What a static link needs besides the library: pc_add_private NAME REQUIRES LIBS.
pc_add_private() {
    if [ -n "$2" ]; then pc_extend "$1" Requires.private "$2"; fi
    if [ -n "$3" ]; then pc_extend "$1" Libs.private "$3"; fi
}
