# Cross build for 64-bit Windows with clang as a second compiler. It uses the
# same MinGW-w64 headers and import libraries as cmake/mingw-w64-x86_64.cmake,
# and the posix-model GCC's libstdc++ and libgcc, linked by lld. Test programs
# run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(TESSEL_MINGW_ROOT /usr/${TESSEL_MINGW_TRIPLE})

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${TESSEL_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${TESSEL_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER ${TESSEL_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TESSEL_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TESSEL_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")
# The sysroot keeps clang to MinGW's headers and libraries; without it clang
# would search the host's /usr/include after them.
set(CMAKE_SYSROOT ${TESSEL_MINGW_ROOT})

# clang does not recognise Debian's "12-posix" GCC directory, so it finds
# neither libstdc++'s headers nor libgcc: ask the posix GCC where they are.
execute_process(
  COMMAND ${TESSEL_MINGW_TRIPLE}-g++-posix -print-libgcc-file-name
  OUTPUT_VARIABLE TESSEL_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE TESSEL_LIBGCC_RESULT)
if(NOT TESSEL_LIBGCC_RESULT EQUAL 0 OR NOT EXISTS "${TESSEL_LIBGCC}")
  message(FATAL_ERROR "${TESSEL_MINGW_TRIPLE}-g++-posix is needed for libstdc++ and libgcc")
endif()
get_filename_component(TESSEL_GCC_DIR "${TESSEL_LIBGCC}" DIRECTORY)
set(TESSEL_CXX_INCLUDE "${TESSEL_GCC_DIR}/include/c++")

set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
  "${TESSEL_CXX_INCLUDE}"
  "${TESSEL_CXX_INCLUDE}/${TESSEL_MINGW_TRIPLE}"
  "${TESSEL_CXX_INCLUDE}/backward")

# -femulated-tls: GCC's libstdc++ keeps its thread-local variables (those of
# std::call_once, for one) in emulated TLS, and so must code that uses them.
set(CMAKE_C_FLAGS_INIT "-femulated-tls")
set(CMAKE_CXX_FLAGS_INIT "-femulated-tls")
# -B finds crtbegin.o and crtend.o, -L libgcc and libstdc++; -pthread links
# winpthreads, which the posix-model libstdc++ is built on.
set(TESSEL_CLANG_LINK_FLAGS "-fuse-ld=lld -pthread -B${TESSEL_GCC_DIR} -L${TESSEL_GCC_DIR}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${TESSEL_CLANG_LINK_FLAGS}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${TESSEL_CLANG_LINK_FLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${TESSEL_CLANG_LINK_FLAGS}")

set(CMAKE_FIND_ROOT_PATH ${TESSEL_MINGW_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(WINE_PROGRAM wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
