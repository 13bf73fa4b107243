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
include(CPack)
