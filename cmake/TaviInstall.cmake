# Installation and the portable archive.
#
# cmake --install puts the program's directory under <prefix>/lib/tavi (the
# program reads its side files from its own directory and keeps TAVI.DAT and
# TAVI.INI there), links <prefix>/bin/tavi and <prefix>/bin/tavi-report to
# it, and adds the desktop entry, the icon, the AppStream metadata and the
# file type of the calculation files (application/x-tavi, *.tavi) under
# <prefix>/share. Component "Programm" is the program's directory,
# component "Desktop" the rest.
#
# cpack -G TGZ packs the program's directory alone, as
# tavi-<version>-linux-x86_64.tar.gz, which runs where it is unpacked. The
# program's directory is given at install time (TAVI_PROGRAM_DIR, default
# lib/tavi) so that the archive holds it as its one folder, tavi-<version>.

set(TAVI_APP_ID de.morlak.tavi)

install(CODE "if(NOT DEFINED TAVI_PROGRAM_DIR)\n  set(TAVI_PROGRAM_DIR lib/tavi)\nendif()"
        COMPONENT Programm)

set(tavi_programs tavi)
if(TARGET tavi-report)
  list(APPEND tavi_programs tavi-report)
endif()
install(TARGETS ${tavi_programs} RUNTIME DESTINATION "\${TAVI_PROGRAM_DIR}" COMPONENT Programm)
install(FILES ${TAVI_BIN_DIR}/TAVI.049 DESTINATION "\${TAVI_PROGRAM_DIR}" COMPONENT Programm)
install(DIRECTORY ${TAVI_BIN_DIR}/TAVI.HLP DESTINATION "\${TAVI_PROGRAM_DIR}" COMPONENT Programm)
# The layout files of the overview printout, as the build makes them.
install(DIRECTORY ${TAVI_BIN_DIR}/ DESTINATION "\${TAVI_PROGRAM_DIR}" COMPONENT Programm
        FILES_MATCHING PATTERN "*.CFM" PATTERN "TAVI.HLP" EXCLUDE)

# bin/tavi and bin/tavi-report: relative links into the program's directory
# (the program finds its directory through the link).
foreach(program IN LISTS tavi_programs)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"../lib/tavi/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ../lib/tavi/${program}\")"
    COMPONENT Desktop)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TAVI_APP_ID}.desktop DESTINATION share/applications COMPONENT Desktop)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TAVI_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT Desktop)
# The file type of the calculation files (*.tavi), for update-mime-database.
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TAVI_APP_ID}.mime.xml DESTINATION share/mime/packages
        RENAME ${TAVI_APP_ID}.xml COMPONENT Desktop)
install(FILES ${CMAKE_SOURCE_DIR}/data/images/tavi.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${TAVI_APP_ID}.svg COMPONENT Desktop)

# The Debian package's documents: the changelog and the copyright file
# (Debian's places) and the manual pages, compressed as Debian wants them.
set(tavi_debian_source ${CMAKE_SOURCE_DIR}/data/debian)
set(tavi_debian_build ${CMAKE_BINARY_DIR}/debian)
set(tavi_debian_outputs)
foreach(doc changelog tavi.1 tavi-report.1)
  add_custom_command(
    OUTPUT ${tavi_debian_build}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tavi_debian_build}
    COMMAND gzip -9nc ${tavi_debian_source}/${doc} > ${tavi_debian_build}/${doc}.gz
    DEPENDS ${tavi_debian_source}/${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND tavi_debian_outputs ${tavi_debian_build}/${doc}.gz)
endforeach()
add_custom_target(tavi_debian_docs ALL DEPENDS ${tavi_debian_outputs})
install(FILES ${tavi_debian_build}/changelog.gz ${tavi_debian_source}/copyright DESTINATION share/doc/tavi
        COMPONENT Desktop)
install(FILES ${tavi_debian_build}/tavi.1.gz ${tavi_debian_build}/tavi-report.1.gz DESTINATION share/man/man1
        COMPONENT Desktop)

# ---------------------------------------------------------------- archive
set(CPACK_PACKAGE_NAME tavi)
set(CPACK_PACKAGE_VENDOR "MORLAK GmbH")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "TAVI Amortisationsrechnung")
set(CPACK_GENERATOR TGZ)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Programm)
set(CPACK_ARCHIVE_PROGRAMM_FILE_NAME tavi-${PROJECT_VERSION}-linux-x86_64)
set(CPACK_PACKAGE_FILE_NAME tavi-${PROJECT_VERSION}-linux-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX "")
set(CPACK_CUSTOM_INSTALL_VARIABLES "TAVI_PROGRAM_DIR=tavi-${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)

# ---------------------------------------------------------------- Debian
# cpack -G DEB builds tavi_<version>_amd64.deb: every component under /usr
# (the program's directory in /usr/lib/tavi). The libraries it links give
# its dependencies (dpkg-shlibdeps); what Qt loads at run time is added: the
# German texts of Qt's own dialogs and the fonts of the printouts (the X11
# platform plugin, the SVG and CUPS plugins come with the Qt libraries).
set(CPACK_DEBIAN_PACKAGE_NAME tavi)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "MORLAK GmbH <tavi@morlak.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "TAVI berechnet für eine Arbeitsstudienabteilung, ob und nach wie vielen
Monaten sich ein rechnergestütztes Zeitstudiensystem (allein oder mit einem
Planzeitsystem) gegenüber der manuellen Zeitaufnahme bezahlt macht, mit
Wirtschaftlichkeitsrechnung, Tabelle, Grafik und Gesamtübersicht als
Ausdruck oder PDF. tavi-report schreibt dieselben Ausdrucke ohne Fenster.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# What differs between the archive and the package is set per generator.
configure_file(${CMAKE_SOURCE_DIR}/cmake/CPackGenerators.cmake.in ${CMAKE_BINARY_DIR}/CPackGenerators.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackGenerators.cmake)
include(CPack)
