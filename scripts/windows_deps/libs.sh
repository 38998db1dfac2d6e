# How each library is built for Windows into $PREFIX, from its unpacked Debian
# source in $WORK/<source name>. Sourced by build.sh, which runs each build_*
# in a subshell with its output in the library's log (steps.sh).

build_zlib() {
    cd "$WORK/zlib"
    # zlib's own configure knows mingw from CHOST.
    CHOST=$HOST CFLAGS="$CROSS_CFLAGS" ./configure --static --prefix="$PREFIX"
    make -j"$JOBS" libz.a
    make install
}

build_libpng() {
    cmake_lib libpng1.6 -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
}

build_libjpeg() {
    # SIMD needs nasm; the plain C code is enough for scanned pages.
    cmake_lib libjpeg-turbo -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
}

build_tiff() {
    cmake_lib tiff -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF -Dtiff-docs=OFF -Dcxx=OFF \
        -Djpeg=ON -Dzlib=ON -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF -Djbig=OFF -Dlibdeflate=OFF -Dlerc=OFF
}

build_freetype() {
    cmake_lib freetype -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_openjpeg() {
    cmake_lib openjpeg2 -DBUILD_STATIC_LIBS=ON -DBUILD_CODEC=OFF -DBUILD_DOC=OFF -DBUILD_JPIP=OFF
    # Its header declares DLL imports unless told the library is static.
    pc_append_cflags libopenjp2 -DOPJ_STATIC
}

build_lcms2() {
    enter "$WORK/lcms2-build"
    configure_cross "$WORK/lcms2" --without-jpeg --without-tiff --without-zlib
    make -j"$JOBS" -C src
    make -C src install
    make -C include install
    make install-pkgconfigDATA
}

# UTF-8 <-> UTF-16 for poppler's C++ frontend; checked natively first.
build_iconv() {
    local src="$HERE/iconv" out="$WORK/iconv"
    mkdir -p "$out"
    gcc -std=c99 -Wall -Wextra -Werror -O2 -o "$out/test_iconv" "$src/test_iconv.c" "$src/iconv.c"
    "$out/test_iconv"
    $CC -std=c99 -Wall -Wextra -Werror $CROSS_CFLAGS -c -o "$out/iconv.o" "$src/iconv.c"
    rm -f "$out/libiconv.a"
    $AR rcs "$out/libiconv.a" "$out/iconv.o"
    install -D -m 644 "$out/libiconv.a" "$PREFIX/lib/libiconv.a"
    install -D -m 644 "$src/iconv.h" "$PREFIX/include/iconv.h"
}

build_poppler() {
    # The *_STATIC_DEFINE macros keep the export headers from declaring DLL imports.
    CXXFLAGS="-DOPJ_STATIC -DPOPPLER_PRIVATE_STATIC_DEFINE -DPOPPLER_CPP_STATIC_DEFINE" \
        cmake_lib poppler -DFONT_CONFIGURATION=win32 -DENABLE_CPP=ON -DENABLE_UTILS=OFF \
        -DENABLE_GLIB=OFF -DENABLE_QT5=OFF -DENABLE_QT6=OFF \
        -DENABLE_BOOST=OFF -DENABLE_LIBCURL=OFF -DENABLE_UNSTABLE_API_ABI_HEADERS=OFF \
        -DENABLE_LIBOPENJPEG=openjpeg2 -DENABLE_DCTDECODER=libjpeg -DENABLE_CMS=lcms2 -DENABLE_ZLIB=ON \
        -DWITH_Cairo=OFF -DWITH_NSS3=OFF -DRUN_GPERF_IF_PRESENT=OFF \
        -DBUILD_GTK_TESTS=OFF -DBUILD_QT5_TESTS=OFF -DBUILD_QT6_TESTS=OFF -DBUILD_CPP_TESTS=OFF \
        -DBUILD_MANUAL_TESTS=OFF
    # A static poppler needs its own dependencies on the link line.
    pc_add_private poppler "freetype2 libopenjp2 lcms2 libjpeg libpng libtiff-4 zlib" "-lgdi32"
    pc_add_private poppler-cpp "" "-liconv"
    pc_append_cflags poppler-cpp -DPOPPLER_CPP_STATIC_DEFINE
}

# ICU's cross build runs the tools of a native build of the same source.
build_icu_native() {
    enter "$WORK/icu-native"
    CC=gcc CXX=g++ AR=ar RANLIB=ranlib CFLAGS=-O2 CXXFLAGS=-O2 \
        "$WORK/icu/source/configure" "${ICU_COMMON_FLAGS[@]}"
    icu_make
}

# ICU's data Makefile writes into out/tmp before a parallel make has made it.
icu_make() {
    mkdir -p data/out/tmp
    make -j"$JOBS"
}

build_icu() {
    enter "$WORK/icu-cross"
    configure_cross "$WORK/icu/source" "${ICU_COMMON_FLAGS[@]}" --disable-tools \
        --with-cross-build="$WORK/icu-native"
    icu_make
    make install
    # The static libraries carry an "s" the .pc files do not name.
    local lib
    for lib in "$PREFIX"/lib/libsicu*.a; do mv "$lib" "${lib/libsicu/libicu}"; done
    pc_append_cflags icu-uc -DU_STATIC_IMPLEMENTATION
    # On Windows ICU installs its data beside programs, in bin/.
    mv "$PREFIX"/bin/icudt*.dat "$PREFIX/share/icu/"*/
}

# The data goes in a separate icudt<ver>l.dat that packaging can trim.
ICU_COMMON_FLAGS=(--disable-tests --disable-samples --disable-extras --disable-layoutex --disable-icuio
    --with-data-packaging=archive)

build_sqlite() {
    cd "$WORK/sqlite3"
    # Debian's patches change configure.ac; it regenerates configure the same way.
    autoreconf -fi
    enter "$WORK/sqlite3-build"
    # Its configure only knows a Windows target by this suffix. Positioned
    # reads and writes with OVERLAPPED cost Wine a server round trip each
    # (30 times a plain one); one connection per handle needs no OVERLAPPED.
    CROSS_CFLAGS="$CROSS_CFLAGS -DSQLITE_WIN32_NO_OVERLAPPED" config_TARGET_EXEEXT=.exe configure_cross "$WORK/sqlite3" --disable-tcl --disable-readline --disable-editline \
        --enable-threadsafe
    # Build-machine helpers run without the .exe suffix configure gives them.
    make -j"$JOBS" CROSS_BUILDING=yes BEXE= libsqlite3.la
    make CROSS_BUILDING=yes BEXE= lib_install
    install -m 644 sqlite3.h "$WORK/sqlite3/src/sqlite3ext.h" "$PREFIX/include/"
    install -m 644 sqlite3.pc "$PREFIX/lib/pkgconfig/"
}

build_mimalloc() {
    # Static, at the prefix's top level; the tool puts it in place of the C
    # runtime's allocator, which under Wine takes a lock and a search per call.
    cmake_lib mimalloc -DMI_BUILD_SHARED=OFF -DMI_BUILD_OBJECT=OFF -DMI_BUILD_TESTS=OFF -DMI_OVERRIDE=OFF \
        -DMI_INSTALL_TOPLEVEL=ON
    sed -i 's/-lmimalloc$/-lmimalloc-static/; s/-lmimalloc /-lmimalloc-static /' "$PREFIX/lib/pkgconfig/mimalloc.pc"
}

build_leptonica() {
    # It takes whatever it finds; pkg-config would find openjpeg, and it has no switch for that.
    cmake_lib leptonlib -DBUILD_PROG=OFF -DSW_BUILD=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GIF=ON \
        -DCMAKE_DISABLE_FIND_PACKAGE_PkgConfig=ON
    pc_add_private lept "libpng libjpeg libtiff-4 zlib" ""
}

build_tesseract() {
    # No -march=native: its generic code must run on any x86-64; the SIMD code
    # is chosen at run time.
    cmake_lib tesseract -DBUILD_TRAINING_TOOLS=OFF -DDISABLE_CURL=ON -DDISABLE_ARCHIVE=ON \
        -DOPENMP_BUILD=OFF -DGRAPHICS_DISABLED=ON -DSW_BUILD=OFF -DBUILD_TESTS=OFF \
        -DCOMPILER_SUPPORTS_MARCH_NATIVE=OFF -DENABLE_LTO=OFF -DINSTALL_CONFIGS=OFF \
        -DLeptonica_DIR="$PREFIX/lib/cmake/leptonica"
    pc_add_private tesseract "" "-lws2_32"
}
