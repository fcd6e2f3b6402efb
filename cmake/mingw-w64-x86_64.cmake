# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads variant, which
# Qt's threading and std::thread need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BEXALO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BEXALO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BEXALO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BEXALO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BEXALO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
