# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web build: the program compiled to WebAssembly, with the fonts the windows name built in
# (Liberation Sans for Arial and MS Sans Serif, Liberation Serif for Times New Roman; they have
# the same metrics). Only the styles the windows use are built in: Times New Roman is always bold.
# The program loads every font under :/bexalo-fonts. ./package-web installs the site with
# `cmake --install` (the rules at the end), then adds the icon and the licence notices.
set(BEXALO_WEB_FONTS LiberationSans-Regular.ttf LiberationSans-Bold.ttf LiberationSerif-Bold.ttf)
list(TRANSFORM BEXALO_WEB_FONTS PREPEND ${BEXALO_FONT_DIR}/)
# The resources in rcc's first format, which holds no file times: the later ones hold each
# file's (or SOURCE_DATE_EPOCH, which the build does not follow when it changes), and the
# program reads none.
qt_add_resources(bexalo webfonts PREFIX /bexalo-fonts BASE ${BEXALO_FONT_DIR} FILES ${BEXALO_WEB_FONTS}
    OPTIONS --format-version 1)

# Asyncify (nested event loops) would let a modal dialog's exec() wait; the program does not
# need it, so it is off unless asked for to measure its cost.
option(BEXALO_WEB_ASYNCIFY "Link with asyncify" OFF)
if(BEXALO_WEB_ASYNCIFY)
    target_link_options(bexalo PRIVATE -sASYNCIFY)
endif()

# The site: the page around the program (the component "page", which the benchmark puts around
# its baseline program too), the program and the licence, and what every release carries
# (scripts/web.sh installs it into site/).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/web/index.html ${CMAKE_SOURCE_DIR}/packaging/web/page.css
    ${CMAKE_SOURCE_DIR}/packaging/web/page.js ${CMAKE_SOURCE_DIR}/packaging/web/loader.js DESTINATION .
    COMPONENT page)
install(FILES $<TARGET_FILE:bexalo> $<TARGET_FILE_DIR:bexalo>/bexalo.wasm DESTINATION .)
# What every release carries (packaging/Shipped.cmake), all in the site's one folder.
set(BEXALO_SHIP_PROGRAM_DIR .)
set(BEXALO_SHIP_DOC_DIR .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME COPYING.txt)
