# x86_64 mingw-w64 with the posix thread model; programs run under 64-bit
# Wine. Doubles live in SSE registers on this target anyway.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
