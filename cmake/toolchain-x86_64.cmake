# Cross build for 64-bit Windows: what the Wine tests run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORAVIN_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix thread model carries the threading GoogleTest expects.
set(ORAVIN_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
