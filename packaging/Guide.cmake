# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The teacher's guide, docs/GUIDA.md, as the one page every release carries: guida.html in the
# build folder, made by scripts/guide.py with Debian's cmark-gfm (the CommonMark reader GitHub
# uses, so the page reads as the guide does where it is written) and Debian's Python; its
# pictures go inside it. Each platform's packaging installs it.
find_program(BEXALO_CMARK_GFM cmark-gfm NO_CMAKE_FIND_ROOT_PATH DOC "Debian's cmark-gfm, which reads the guide")
find_program(BEXALO_PYTHON3 python3 NO_CMAKE_FIND_ROOT_PATH DOC "The Python that makes the guide's page")
if(NOT BEXALO_CMARK_GFM OR NOT BEXALO_PYTHON3)
    message(FATAL_ERROR "The teacher's guide needs cmark-gfm and python3 (Debian: cmark-gfm python3)")
endif()

set(BEXALO_GUIDE ${CMAKE_BINARY_DIR}/guida.html)
file(GLOB BEXALO_GUIDE_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
add_custom_command(OUTPUT ${BEXALO_GUIDE}
    COMMAND ${BEXALO_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/guide.py ${BEXALO_CMARK_GFM}
        ${CMAKE_SOURCE_DIR}/docs/GUIDA.md ${CMAKE_SOURCE_DIR}/packaging/guida.css ${BEXALO_GUIDE}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/GUIDA.md ${CMAKE_SOURCE_DIR}/packaging/guida.css ${BEXALO_GUIDE_PICTURES}
        ${CMAKE_SOURCE_DIR}/scripts/guide.py ${CMAKE_SOURCE_DIR}/scripts/webpolicy.py
    COMMENT "Making the teacher's guide, guida.html"
    VERBATIM)
add_custom_target(bexalo_guide ALL DEPENDS ${BEXALO_GUIDE})
