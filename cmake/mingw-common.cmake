# The -posix variants carry the threading GoogleTest expects.
set(CMAKE_C_COMPILER ${ORAVIN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORAVIN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORAVIN_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORAVIN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything static: the program and the tests must not look for MinGW DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-exec)
