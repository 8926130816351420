# Installing the program the usual way (bin/ and share/brevandel/), and a Debian package of it.
include(GNUInstallDirs)

# The version and where the installed executable finds its data, for the program itself.
file(RELATIVE_PATH BREVANDEL_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/brevandel)
configure_file(${CMAKE_CURRENT_LIST_DIR}/buildinfo.h.in ${CMAKE_BINARY_DIR}/generated/buildinfo.h @ONLY)
target_include_directories(brevandel_platform PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_include_directories(brevandel_app PRIVATE ${CMAKE_BINARY_DIR}/generated)
if(TARGET test_app)
  target_include_directories(test_app PRIVATE ${CMAKE_BINARY_DIR}/generated)
endif()

