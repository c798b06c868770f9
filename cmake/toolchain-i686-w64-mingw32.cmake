# Cross-builds the plug-in and the workbench for 32-bit Windows with
# Debian's mingw-w64 (g++-mingw-w64-i686). The win32 thread model: nothing
# here uses threads, and it needs no winpthread DLL beside the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TOVRINS_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TOVRINS_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TOVRINS_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${TOVRINS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOVRINS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic as on x86-64, not the x87 unit's 80-bit registers, so the
# per-copy values round exactly as the Linux build's do; no fused
# multiply-adds on either side.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffp-contract=off")
# Everything but the system's DLLs linked in; no time stamp in the files.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
