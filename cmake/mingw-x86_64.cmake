# SPDX-License-Identifier: MIT
# mingw-x86_64.cmake: the same program for 64-bit Windows, which 64-bit Wine runs where a
# machine cannot run 32-bit programs. Debian keeps the 64-bit loader off PATH.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
