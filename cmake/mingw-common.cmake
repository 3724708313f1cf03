# Shared part of the MinGW-w64 toolchain files. Expects HEXMOOR_MINGW_TRIPLE.
set(CMAKE_C_COMPILER   ${HEXMOOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HEXMOOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${HEXMOOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HEXMOOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_C_FLAGS_INIT   "-ffp-contract=off ${HEXMOOR_ARCH_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "-ffp-contract=off ${HEXMOOR_ARCH_FLAGS}")
# Static runtime: the executables need no MinGW DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Windows test executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
