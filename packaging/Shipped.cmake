# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# What every release carries besides the program, each file where its platform keeps its kind:
# the platform's packaging file (BEXALO_PLATFORM_PACKAGING) sets the two folders, and every
# release (the .deb, the Windows folder of the zip and the installers, the site) is staged from
# these rules with `cmake --install`. A file for every release is one line here.
#   BEXALO_SHIP_PROGRAM_DIR   beside the program, where it looks for what it reads
#   BEXALO_SHIP_DOC_DIR       the documents for the people who use it
install(FILES ${BEXALO_SOUND} DESTINATION ${BEXALO_SHIP_PROGRAM_DIR})
install(FILES ${BEXALO_GUIDE} DESTINATION ${BEXALO_SHIP_DOC_DIR})
