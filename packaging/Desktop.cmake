# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Unix desktops: the program's folder, its link in bin, the desktop entry, metainfo, icons
# and documents, and the .deb that CPack makes of them.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)

# Who answers for the package: the Maintainer of the .deb, the contact of its copyright file
# and the signature of its changelog. A distributor sets their own.
set(BEXALO_MAINTAINER "The bexalo developers <bexalo@users.noreply.invalid>" CACHE STRING
    "Name and e-mail address of the package's maintainer")

if(BEXALO_BUILD_TESTS)
    # The package test asks the program's sound code whether the installed sound loads.
    add_executable(sound_ready ${CMAKE_SOURCE_DIR}/tests/e2e/sound_ready.cpp)
    target_link_libraries(sound_ready PRIVATE bexalo_player)
    set_target_properties(sound_ready PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

set(BEXALO_HICOLOR_PNGS)
foreach(side 16 32 48 64 128 256)
    list(APPEND BEXALO_HICOLOR_PNGS ${BEXALO_ICON_DIR}/hicolor/${side}x${side}/apps/bexalo.png)
endforeach()
add_custom_command(OUTPUT ${BEXALO_HICOLOR_PNGS}
    COMMAND ${BEXALO_MAKE_ICONS} hicolor ${BEXALO_ICON_DIR}/hicolor
    DEPENDS make_icons VERBATIM
    COMMENT "Drawing the program icon for the hicolor theme")
add_custom_target(bexalo_icons ALL DEPENDS ${BEXALO_HICOLOR_PNGS})

# The program's own folder holds the real executable, the sound module and the sound;
# bin/bexalo is a relative link to it, which Qt resolves when it reports the program's
# folder. The folder is in libexec, not lib: CPack adds maintainer scripts that run
# ldconfig for any shared object under /usr/lib, and the sound module is no library
# anything links against.
set(BEXALO_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/bexalo)
file(RELATIVE_PATH BEXALO_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${BEXALO_PROGRAM_DIR}/bexalo)
set(BEXALO_LINK ${CMAKE_BINARY_DIR}/packaging/bin/bexalo)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ${BEXALO_LINK_TARGET} ${BEXALO_LINK} SYMBOLIC)

install(TARGETS bexalo RUNTIME DESTINATION ${BEXALO_PROGRAM_DIR})
install(TARGETS bexalo_sound LIBRARY DESTINATION ${BEXALO_PROGRAM_DIR})
install(FILES ${BEXALO_LINK} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${BEXALO_PACKAGING_DIR}/bexalo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${BEXALO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${BEXALO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The metainfo, written for the AppStream of the system it is built on: from AppStream 1.0 on
# (Debian 13) the developer is a <developer> element and <developer_name> is deprecated; Debian
# 12's AppStream 0.16 knows only <developer_name>. Both want a home page. bexalo has no web
# address of its own: a distributor sets theirs, as they set BEXALO_MAINTAINER.
set(BEXALO_HOMEPAGE "https://bexalo.invalid/" CACHE STRING "The program's home page, named in its metainfo")
set(BEXALO_DEVELOPER "Gli sviluppatori di bexalo")
find_program(BEXALO_APPSTREAMCLI appstreamcli)
set(BEXALO_APPSTREAM_VERSION 1.0)
if(BEXALO_APPSTREAMCLI)
    execute_process(COMMAND ${BEXALO_APPSTREAMCLI} --version OUTPUT_VARIABLE BEXALO_APPSTREAM_OUT ERROR_QUIET)
    string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" BEXALO_APPSTREAM_VERSION "${BEXALO_APPSTREAM_OUT}")
endif()
if(BEXALO_APPSTREAM_VERSION VERSION_LESS 1.0)
    set(BEXALO_METAINFO_DEVELOPER "<developer_name>${BEXALO_DEVELOPER}</developer_name>")
else()
    set(BEXALO_METAINFO_DEVELOPER "<developer id=\"org.bexalo\">\n    <name>${BEXALO_DEVELOPER}</name>\n  </developer>")
endif()
configure_file(${BEXALO_PACKAGING_DIR}/${BEXALO_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/packaging/${BEXALO_APP_ID}.metainfo.xml
    @ONLY)

# What Debian wants beside every package: the copyright file (machine-readable), the
# changelog and the manual page, these two compressed as dh_compress would (gzip -9n:
# no file name, no time stamp, so the same input gives the same bytes).
find_program(BEXALO_GZIP gzip REQUIRED)
set(BEXALO_DOC_BUILD ${CMAKE_BINARY_DIR}/packaging/doc)
configure_file(${BEXALO_PACKAGING_DIR}/copyright ${BEXALO_DOC_BUILD}/copyright @ONLY)
configure_file(${BEXALO_PACKAGING_DIR}/changelog ${BEXALO_DOC_BUILD}/changelog @ONLY)
configure_file(${BEXALO_PACKAGING_DIR}/bexalo.6 ${BEXALO_DOC_BUILD}/bexalo.6 COPYONLY)
add_custom_command(OUTPUT ${BEXALO_DOC_BUILD}/changelog.gz ${BEXALO_DOC_BUILD}/bexalo.6.gz
    COMMAND ${BEXALO_GZIP} -9nkf ${BEXALO_DOC_BUILD}/changelog ${BEXALO_DOC_BUILD}/bexalo.6
    DEPENDS ${BEXALO_DOC_BUILD}/changelog ${BEXALO_DOC_BUILD}/bexalo.6
    VERBATIM)
add_custom_target(bexalo_docs ALL DEPENDS ${BEXALO_DOC_BUILD}/changelog.gz ${BEXALO_DOC_BUILD}/bexalo.6.gz)
set(BEXALO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/bexalo)
install(FILES ${BEXALO_DOC_BUILD}/copyright ${BEXALO_DOC_BUILD}/changelog.gz DESTINATION ${BEXALO_DOC_DIR})
# packaging/Shipped.cmake puts the sound beside the program and the teacher's guide here.
set(BEXALO_SHIP_PROGRAM_DIR ${BEXALO_PROGRAM_DIR})
set(BEXALO_SHIP_DOC_DIR ${BEXALO_DOC_DIR})
# The program is Italian only, and so is its manual page, in the default place.
install(FILES ${BEXALO_DOC_BUILD}/bexalo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The .deb, as CPack makes it.
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
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps adds what the executable links (the Qt 6 Core, Gui, Widgets and Multimedia
# runtime libraries, with the versions it needs); the rest is loaded at run time: the X11 and
# Wayland platform plugins, and the fonts the windows name. QSoundEffect reads the WAV itself
# and plays it through PulseAudio (libpulse comes with Qt Multimedia), so beyond that it needs
# only the desktop's sound server.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")

include(CPack)
