# Cross toolchain for the product: Windows through mingw-w64 with the posix
# thread model (GoogleTest and std::mutex need it). MorvexWin32.cmake sets
# Wine as the emulator that runs its programs.
#
# MORVEX_WIN_ARCH selects the target: x86_64 (the default, and the one Wine
# runs here: this kernel executes no 32-bit ELF, so 32-bit Wine cannot start)
# or i686.
set(MORVEX_WIN_ARCH x86_64 CACHE STRING "Windows target: x86_64 or i686")
set_property(CACHE MORVEX_WIN_ARCH PROPERTY STRINGS x86_64 i686)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MORVEX_WIN_ARCH})
set(triple ${MORVEX_WIN_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER   ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${triple}-windres)
set(MORVEX_WIDL        ${triple}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
