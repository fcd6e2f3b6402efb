# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# What the desktop platforms' packaging shares (packaging/Desktop.cmake and
# packaging/Windows.cmake include it first): the icon tool. The program looks for positivo.wav in
# its own folder (the real one, with links resolved), so wherever the program goes the sound goes
# beside it, and so does the sound module it loads on the first sound.
include(GNUInstallDirs)

set(BEXALO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(BEXALO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(BEXALO_APP_ID org.bexalo.bexalo)

# The icon files are drawn at build time by the code that draws the window icon, each size
# on its own, so the installed icons and the program's icon cannot drift apart.
add_executable(make_icons ${CMAKE_SOURCE_DIR}/tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE bexalo_core)
bexalo_draws_offscreen(make_icons)
# A cross-built tool runs through the emulator (Wine for Windows).
set(BEXALO_MAKE_ICONS ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${CMAKE_CROSSCOMPILING_EMULATOR}
    $<TARGET_FILE:make_icons>)
