# Cross-compiles Hexmoor for 32-bit Windows (compile check only: no 32-bit Wine here).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HEXMOOR_MINGW_TRIPLE i686-w64-mingw32)
# x87 arithmetic truncates colour maths differently; keep SSE as on x86_64.
set(HEXMOOR_ARCH_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
