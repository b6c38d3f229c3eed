# Shared part of the two MinGW-w64 toolchain files; QIV_MINGW_TRIPLE names the target.
set(CMAKE_C_COMPILER ${QIV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QIV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QIV_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QIV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: a user copies Qiv.exe and Qivhook.dll, nothing else. A missing
# runtime DLL would make a program exit without a word.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
