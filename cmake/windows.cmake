# The Windows build: MinGW-w64 (cmake/mingw-w64-x86_64.cmake) from this Linux machine, its tests
# run under Wine.

enable_language(RC)

# Qt for MinGW (scripts/build-windows-qt, named by CMAKE_PREFIX_PATH) is searched inside its own
# prefix, as the toolchain searches the MinGW root; its host tools (moc, rcc) are this machine's
# Qt of the same version.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "The Qt whose tools (moc, rcc) build the Windows program")
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
  execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH OUTPUT_VARIABLE _multiarch
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${_multiarch}/cmake CACHE PATH "The CMake files of the host Qt" FORCE)
endif()

# Windows' own headers: the wide-character functions by default, no min/max macros.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

# The Qt-free programs (korvanta-cli, the test programs, the demo shop's library writer) carry
# the MinGW runtime inside them and run alone. A program linked against Qt's DLLs, which use the
# runtime DLLs, uses those as well (KORVANTA_SHARED_RUNTIME), so that one C++ runtime serves the
# whole process; the installer puts the runtime DLLs beside it.
add_link_options("$<$<NOT:$<BOOL:$<TARGET_PROPERTY:KORVANTA_SHARED_RUNTIME>>>:-static>")

# The folders of the MinGW runtime DLLs, for the install rules and for running the programs
# under Wine from the build folder.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _stdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KORVANTA_MINGW_RUNTIME_DIR "${_stdcxx_dll}" DIRECTORY)
find_file(KORVANTA_WINPTHREAD_DLL libwinpthread-1.dll
          PATHS /usr/${MINGW_PREFIX}/lib /usr/${MINGW_PREFIX}/bin NO_DEFAULT_PATH)
set(KORVANTA_MINGW_RUNTIME_DLLS
    ${KORVANTA_MINGW_RUNTIME_DIR}/libstdc++-6.dll
    ${KORVANTA_MINGW_RUNTIME_DIR}/libgcc_s_seh-1.dll
    ${KORVANTA_WINPTHREAD_DLL})
foreach(_dll IN LISTS KORVANTA_MINGW_RUNTIME_DLLS)
  if(NOT EXISTS "${_dll}")
    message(FATAL_ERROR "The MinGW runtime DLL ${_dll} is missing (g++-mingw-w64-x86-64-posix)")
  endif()
endforeach()

# Every program of the build runs under Wine through scripts/wine-run: a Wine prefix of the
# build's own (not the user's ~/.wine), no Wine debug output, and the folders of the runtime
# DLLs and of Qt's DLLs on its PATH.
set(KORVANTA_WINEPREFIX "${CMAKE_BINARY_DIR}/wine" CACHE PATH "The Wine prefix the Windows build's programs run in")
set(_wine_path "${KORVANTA_MINGW_RUNTIME_DIR}:/usr/${MINGW_PREFIX}/lib")
if(KORVANTA_WITH_QT AND DEFINED CMAKE_PREFIX_PATH)
  list(GET CMAKE_PREFIX_PATH 0 _qt_prefix)
  string(APPEND _wine_path ":${_qt_prefix}/bin")
endif()
# Qt's offscreen platform, on which the widget tests run, reads no system fonts on Windows, only
# those of one folder (tests/ui/qt_test_main.cpp): here the same DejaVu fonts as on Linux. (Wine
# passes no QT_* variable from Linux to a Windows program, so QT_QPA_FONTDIR cannot be set here.)
set(KORVANTA_WINE_ENV "WINEPREFIX=${KORVANTA_WINEPREFIX}" "WINEDEBUG=-all" "KORVANTA_WINEPATH=${_wine_path}"
    "KORVANTA_TEST_FONTDIR=Z:/usr/share/fonts/truetype/dejavu")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${KORVANTA_WINE_ENV} ${PROJECT_SOURCE_DIR}/scripts/wine-run)

# GoogleTest from Debian's source (/usr/src/googletest), built with the same tool chain.
function(korvanta_windows_googletest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is missing: apt-get install googletest")
  endif()
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()
