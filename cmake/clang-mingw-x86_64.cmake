# Cross toolchain: 64-bit Windows with clang for the MinGW target, over the MinGW-w64 headers and the
# libraries of the GCC cross compiler (libstdc++, libgcc, winpthreads), linked by lld. A second compiler
# catches what only GCC accepts, as the MSVC build would.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QIV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${QIV_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${QIV_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER ${QIV_MINGW_TRIPLE}-windres)
set(CMAKE_SYSROOT /usr/${QIV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH /usr/${QIV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# clang finds no libstdc++ of Debian's MinGW-w64 GCC by itself: it lives in GCC's own folder.
execute_process(COMMAND ${QIV_MINGW_TRIPLE}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE qiv_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(qiv_gcc_dir ${qiv_libgcc} DIRECTORY)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${qiv_gcc_dir}/include/c++ ${qiv_gcc_dir}/include/c++/${QIV_MINGW_TRIPLE})
# The posix-thread libstdc++ needs winpthreads; everything static, as in the GCC builds.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -L${qiv_gcc_dir} -lpthread")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -static -L${qiv_gcc_dir} -lpthread")
# The binary checks read GNU objdump's answers.
set(CMAKE_OBJDUMP /usr/bin/${QIV_MINGW_TRIPLE}-objdump CACHE FILEPATH "objdump of the MinGW-w64 binutils")
