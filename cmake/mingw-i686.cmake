# SPDX-License-Identifier: MIT
# mingw-i686.cmake: Tolvane.exe for 32-bit x86 Windows, as shipped; tested under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
