# Cross build for 32-bit Windows: the program that ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORAVIN_MINGW_TRIPLET i686-w64-mingw32)
# The program starts no threads through the C++ library: the win32 thread
# model links no winpthread into it.
set(ORAVIN_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
