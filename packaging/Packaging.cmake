# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# What the desktop platforms' packaging shares (packaging/Desktop.cmake and packaging/Windows.cmake
# include it first): the icon tool, and the package's description for CPack (Desktop.cmake). The
# program looks for positivo.wav in its own folder (the real one, with links resolved), so
# wherever the program goes the sound goes beside it, and so does the sound module it loads on
# the first sound.
include(GNUInstallDirs)

set(BEXALO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(BEXALO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(BEXALO_APP_ID org.bexalo.bexalo)
# Who answers for the package: the Maintainer of the .deb, the contact of its copyright file
# and the signature of its changelog. A distributor sets their own.
set(BEXALO_MAINTAINER "The bexalo developers <bexalo@users.noreply.invalid>" CACHE STRING
    "Name and e-mail address of the package's maintainer")

# The icon files are drawn at build time by the code that draws the window icon, each size
# on its own, so the installed icons and the program's icon cannot drift apart.
add_executable(make_icons ${CMAKE_SOURCE_DIR}/tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE bexalo_core)
bexalo_draws_offscreen(make_icons)
# A cross-built tool runs through the emulator (Wine for Windows).
set(BEXALO_MAKE_ICONS ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${CMAKE_CROSSCOMPILING_EMULATOR}
    $<TARGET_FILE:make_icons>)

set(CPACK_PACKAGE_NAME bexalo)
set(CPACK_PACKAGE_VENDOR bexalo)
set(CPACK_PACKAGE_CONTACT "${BEXALO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BEXALO_MAINTAINER}")
# Free software under the GNU GPL, version 3 or later; installers that show a licence show it.
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "place value with the school abacus, for primary-school pupils")
# Lines of the long description stay under 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "An exercise program in Italian: the pupil builds a number shown as pictures
on the abacus, or a number shown on the abacus as pictures of units, tens and
hundreds, has it checked, and gets help after a wrong answer.
Free software under the GNU GPL, version 3 or later.")
set(CPACK_STRIP_FILES ON)
