# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows program and what is installed beside it: the folder that scripts/windows.sh makes
# the zip, the installer and the MSI from.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# bexalo.exe carries its icon and its version information, Qt is linked into it statically,
# and the sound, the Italian read-me, the teacher's guide (guida.html) and the licences lie
# beside it: that folder is the zip,
# and what the installer (packaging/windows/bexalo.nsi) and the MSI (packaging/windows/bexalo.wxs)
# put under Program Files, all three made by ./package-windows, which adds the licence notices.
set(BEXALO_ICO ${BEXALO_ICON_DIR}/bexalo.ico)
add_custom_command(OUTPUT ${BEXALO_ICO}
    COMMAND ${BEXALO_MAKE_ICONS} ico ${BEXALO_ICO}
    DEPENDS make_icons VERBATIM)
set(BEXALO_RC ${CMAKE_BINARY_DIR}/packaging/bexalo.rc)
configure_file(${BEXALO_PACKAGING_DIR}/windows/bexalo.rc.in ${BEXALO_RC} @ONLY)
set_source_files_properties(${BEXALO_RC} PROPERTIES OBJECT_DEPENDS ${BEXALO_ICO})
target_sources(bexalo PRIVATE ${BEXALO_RC})

install(TARGETS bexalo RUNTIME DESTINATION .)
install(FILES ${BEXALO_PACKAGING_DIR}/windows/LEGGIMI.txt DESTINATION .)
# What every release carries (packaging/Shipped.cmake), all in the one folder.
set(BEXALO_SHIP_PROGRAM_DIR .)
set(BEXALO_SHIP_DOC_DIR .)
