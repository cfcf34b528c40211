# Cross-compiling for 64-bit Windows with Debian's mingw-w64 toolchain (the posix thread model, for std::thread and
# std::mutex). Used for Qt's own Windows build and for Dovrel's: cmake -DCMAKE_TOOLCHAIN_FILE=this -DQT_WINDOWS_PREFIX=…
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Libraries, headers and CMake packages come from the mingw sysroot and, once built, Qt for Windows; programs that
# run during the build (moc, rcc, uic) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
if(QT_WINDOWS_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QT_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
