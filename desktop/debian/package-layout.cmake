# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
# Run by CPack on the staged tree, just before it makes the .deb, for what Debian asks of a package in its
# games section: the launcher in /usr/games (the program and its cues stay together in their own folder,
# which the launcher finds from where it lies), a compressed manual page, the package's changelog and
# copyright in its doc folder, and a program stripped of the compiler's notes as Debian's tools strip it.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
file(COPY_FILE ${CPACK_PELMAROOS_CHANGELOG} ${doc}/changelog)
file(COPY_FILE ${CPACK_PELMAROOS_COPYRIGHT} ${doc}/copyright)
# -n: no name or time in the header, so that the same tree makes the same package.
execute_process(COMMAND gzip -9n ${doc}/changelog ${usr}/share/man/man6/pelmaroos-trivia.6
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_PELMAROOS_STRIP} --remove-section=.comment --remove-section=.note
                        ${usr}/${CPACK_PELMAROOS_PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
