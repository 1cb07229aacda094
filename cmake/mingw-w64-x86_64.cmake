# Cross-building 64-bit Windows programs on Debian with MinGW-w64 (the
# g++-mingw-w64-x86-64-posix package: the POSIX thread model, which
# libstdc++'s std::thread and std::mutex need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BITLOOM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BITLOOM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BITLOOM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BITLOOM_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW tree only, never from the host's
# /usr; programs (windres, objdump, the host's tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${BITLOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static: libstdc++, libgcc and winpthread are linked in, so an
# .exe needs only the DLLs that come with Windows itself. A release is
# stripped as it is linked, so the tests run the very files the zip holds.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# CTest and add_custom_command run the built programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
