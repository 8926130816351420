# Installing the program the usual way (bin/ and share/brevandel/), and a Debian package of it.
include(GNUInstallDirs)

set(BREVANDEL_RELEASE_DATE 2026-12-08)  # the day this version was made, for the manual and the changelog
set(BREVANDEL_PACKAGE_MAINTAINER "Brevandel contributors <maintainers@brevandel.example>"
  CACHE STRING "The package's maintainer, as 'Name <address>'")

# The version and where the installed executable finds its data, for the program itself.
file(RELATIVE_PATH BREVANDEL_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/brevandel)
configure_file(${CMAKE_CURRENT_LIST_DIR}/buildinfo.h.in ${CMAKE_BINARY_DIR}/generated/buildinfo.h @ONLY)
target_include_directories(brevandel_platform PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_include_directories(brevandel_app PRIVATE ${CMAKE_BINARY_DIR}/generated)
if(TARGET test_app)
  target_include_directories(test_app PRIVATE ${CMAKE_BINARY_DIR}/generated)
endif()

# The files that carry the version or the date, and their compressed copies as Debian wants them.
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
execute_process(COMMAND date -R -u -d ${BREVANDEL_RELEASE_DATE}
  OUTPUT_VARIABLE BREVANDEL_RELEASE_STAMP OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_SOURCE_DIR}/packaging/brevandel.1.in ${packaging_out}/brevandel.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${packaging_out}/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/org.brevandel.Brevandel.metainfo.xml
  ${packaging_out}/org.brevandel.Brevandel.metainfo.xml @ONLY)
foreach(page brevandel.1 changelog)
  execute_process(COMMAND gzip -9 -n -k -f ${packaging_out}/${page} RESULT_VARIABLE gzipped)
  if(NOT gzipped EQUAL 0)
    message(WARNING "gzip could not compress ${page}: the manual page or changelog will not be installed")
  endif()
endforeach()

install(TARGETS brevandel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Every file in a subfolder of the run folder is data (texts, pictures, the guide), whoever added it;
# the files at its top (the executable, a developer's language choice) are not.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" run_folder_regex "${BREVANDEL_RUN_DIR}")
install(DIRECTORY ${BREVANDEL_RUN_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brevandel
  FILES_MATCHING REGEX "^${run_folder_regex}/[^/]+/")
if(TARGET brevandel_icons)
  add_dependencies(brevandel brevandel_icons)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(FILES packaging/org.brevandel.Brevandel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_out}/org.brevandel.Brevandel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_out}/brevandel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
install(FILES ${packaging_out}/changelog.gz packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brevandel
  OPTIONAL)

# The Debian package: cpack in a build folder, or scripts/package.sh.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevandel)
set(CPACK_PACKAGE_VENDOR "Brevandel contributors")
set(CPACK_PACKAGE_CONTACT "${BREVANDEL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "short maths activities for the whole class")
# The description's lines stay under 80 characters, as Debian shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Brevandel shows short maths activities for the start of a lesson on the"
  "computer that drives a projector or an interactive whiteboard: ordering whole"
  "numbers, directed numbers on a number line, a dartboard, a fruit machine and"
  "a jotter for working-out. Everything is drawn to be read from the back of a"
  "room, and the interface speaks English, French, German, Spanish, Italian,"
  "Dutch and Welsh.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The stand-ins for the fonts the screens ask for; fonts-wine adds a Tahoma where it is available.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# The menu files are checked by the validators the desktops use, where they are installed.
find_program(BREVANDEL_DESKTOP_VALIDATE desktop-file-validate)
find_program(BREVANDEL_APPSTREAMCLI appstreamcli)
if(BREVANDEL_DESKTOP_VALIDATE)
  add_test(NAME packaging.desktop
    COMMAND ${BREVANDEL_DESKTOP_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/org.brevandel.Brevandel.desktop)
  set_tests_properties(packaging.desktop PROPERTIES FAIL_REGULAR_EXPRESSION "warning|error")
endif()
if(BREVANDEL_APPSTREAMCLI)
  add_test(NAME packaging.metainfo
    COMMAND ${BREVANDEL_APPSTREAMCLI} validate --no-net ${packaging_out}/org.brevandel.Brevandel.metainfo.xml)
  set_tests_properties(packaging.metainfo PROPERTIES FAIL_REGULAR_EXPRESSION "(^|\n)[EW]: ")
endif()

# Installing the package for real, running it as an ordinary user and removing it: only where the
# tests run as root on a Debian system, and never on a sanitizer or fuzzing build.
find_package(Python3 COMPONENTS Interpreter)
find_program(BREVANDEL_APT_GET apt-get)
find_program(BREVANDEL_USERADD useradd)
find_program(BREVANDEL_RUNUSER runuser)
execute_process(COMMAND id -u OUTPUT_VARIABLE brevandel_uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(brevandel_uid STREQUAL "0" AND BREVANDEL_APT_GET AND BREVANDEL_USERADD AND BREVANDEL_RUNUSER
   AND Python3_FOUND AND XVFB AND XDOTOOL AND IMAGEMAGICK_CONVERT
   AND NOT BREVANDEL_SANITIZE AND NOT BREVANDEL_FUZZ)
  add_test(NAME package COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/package/package_test.py
    ${CMAKE_BINARY_DIR} ${BREVANDEL_RUN_DIR} ${CMAKE_BINARY_DIR}/package-shots)
  set_tests_properties(package PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
else()
  message(STATUS "Not root on Debian, or a sanitizer build: the package install test is not registered")
endif()
