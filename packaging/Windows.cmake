# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows program and what is installed beside it: the folder that scripts/windows.sh makes
# the zip, the installer and the MSI from.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# bexalo.exe carries its icon and its version information, Qt is linked into it statically,
# and the sound, the Italian read-me, the teacher's guide (guida.html) and the licences lie
# beside it: that folder is the zip,
# and what the installer (packaging/windows/bexalo.nsi) and the MSI (packaging/windows/bexalo.wxs)
# put under Program Files, all three made by ./package-windows, which adds the licence notices
# (made from the linker's trace after the build).
set(BEXALO_ICO ${BEXALO_ICON_DIR}/bexalo.ico)
add_custom_command(OUTPUT ${BEXALO_ICO}
    COMMAND ${BEXALO_MAKE_ICONS} ico ${BEXALO_ICO}
    DEPENDS make_icons VERBATIM)
set(BEXALO_RC ${CMAKE_BINARY_DIR}/packaging/bexalo.rc)
configure_file(${BEXALO_PACKAGING_DIR}/windows/bexalo.rc.in ${BEXALO_RC} @ONLY)
set_source_files_properties(${BEXALO_RC} PROPERTIES OBJECT_DEPENDS ${BEXALO_ICO})
target_sources(bexalo PRIVATE ${BEXALO_RC})

install(TARGETS bexalo RUNTIME DESTINATION .)

# The Italian read-me and the licence beside the program, as Windows' Notepad reads them best
# (a UTF-8 byte-order mark, CRLF line ends: scripts/windows-text.py), made at build time.
set(BEXALO_WINDOWS_TEXTS)
function(bexalo_windows_text source name)
    set(out ${CMAKE_BINARY_DIR}/packaging/windows/${name})
    add_custom_command(OUTPUT ${out}
        COMMAND ${BEXALO_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/windows-text.py ${source} ${out}
        DEPENDS ${source} ${CMAKE_SOURCE_DIR}/scripts/windows-text.py
        VERBATIM)
    install(FILES ${out} DESTINATION .)
    set(BEXALO_WINDOWS_TEXTS ${BEXALO_WINDOWS_TEXTS} ${out} PARENT_SCOPE)
endfunction()
bexalo_windows_text(${BEXALO_PACKAGING_DIR}/windows/LEGGIMI.txt LEGGIMI.txt)
bexalo_windows_text(${CMAKE_SOURCE_DIR}/LICENSE LICENSE.txt)
add_custom_target(bexalo_windows_texts ALL DEPENDS ${BEXALO_WINDOWS_TEXTS})
# What every release carries (packaging/Shipped.cmake), all in the one folder.
set(BEXALO_SHIP_PROGRAM_DIR .)
set(BEXALO_SHIP_DOC_DIR .)
