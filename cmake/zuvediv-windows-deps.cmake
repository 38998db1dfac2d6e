# The search tool's libraries for Windows, cross-built and static, in the
# prefix that scripts/windows_deps/build.sh prints. pkg-config reads only
# that prefix's files, with --static so that each library brings what it
# links itself; the prefix joins the find root so CMake finds the archives.
set(ENV{PKG_CONFIG_LIBDIR} "${ZUVEDIV_DEPS_PREFIX}/lib/pkgconfig")
unset(ENV{PKG_CONFIG_PATH})
set(PKG_CONFIG_ARGN --static)
list(APPEND CMAKE_FIND_ROOT_PATH "${ZUVEDIV_DEPS_PREFIX}")
# The program links -static: a library named by pkg-config (-lpthread) must
# resolve to its archive, not to the import library of its DLL.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

# pkg_check_modules keeps its answers, and the archives it found, in the
# cache; another prefix needs them all asked again.
if(NOT ZUVEDIV_DEPS_PREFIX STREQUAL ZUVEDIV_DEPS_PREFIX_CHECKED)
  get_cmake_property(cached CACHE_VARIABLES)
  foreach(variable IN LISTS cached)
    if(variable MATCHES "^(__pkg_config_checked_|pkgcfg_lib_)ZUVEDIV_")
      unset(${variable} CACHE)
    endif()
  endforeach()
  set(ZUVEDIV_DEPS_PREFIX_CHECKED "${ZUVEDIV_DEPS_PREFIX}" CACHE INTERNAL "")
endif()
