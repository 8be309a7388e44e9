# Installation in the standard places and the Debian package (cpack -G DEB);
# on Windows one folder with everything the program needs, and its zip
# (cpack -G ZIP).
include(GNUInstallDirs)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsDeployment.cmake)
else()
    install(TARGETS ${VANTELIX_EXECUTABLE} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(UNIX AND NOT APPLE)
    # qt_standard_project_setup() gives installed programs an RPATH of
    # $ORIGIN/../lib; we install no libraries of our own, and a system package
    # must not carry one.
    set_target_properties(${VANTELIX_EXECUTABLE} PROPERTIES INSTALL_RPATH "")
    add_subdirectory(app/linux)
endif()

set(CPACK_PACKAGE_NAME ${VANTELIX_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR ${VANTELIX_COMPANY})
set(CPACK_PACKAGE_CONTACT "${VANTELIX_COMPANY} <packages@vantelix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "${PROJECT_NAME} is a joke: it poses as a control panel with a size advisor,\n"
    "a Before and an After picture and a staged Apply sequence that opens and\n"
    "closes the CD tray.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps (dpkg-dev) finds the Qt and libcdio packages the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(WIN32)
    # vantelix-1.1.2-windows-x86_64.zip, holding one folder of that name.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x86_64")
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
