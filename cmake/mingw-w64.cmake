# Cross-compiles for 64-bit Windows with Debian's mingw-w64 GCC. The posix-threads flavour is
# the one whose C++ library has std::thread and std::mutex. Programs built here, tests among
# them, run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
# The compiler's own runtime (libgcc, libstdc++, winpthread) linked in, so that a program needs
# only Windows' DLLs, installed or run under wine from the build folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Headers, libraries and packages come from the mingw-w64 tree and the folders named in
# CMAKE_PREFIX_PATH (the static Qt), never from the host's; programs such as Qt's moc come from
# the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(WINE_PROGRAM wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
