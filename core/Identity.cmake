# Who the program says it is beyond project()'s name and version, and every
# written form of that version; included once, right after project().
# Reverse-DNS id of our own reserved domain vantelix.example: the name of the
# .desktop entry, the AppStream component id and the Wayland app id.
set(VANTELIX_APPLICATION_ID "example.vantelix.Vantelix")
set(VANTELIX_COMPANY "Vantelix Example Works")
set(VANTELIX_COPYRIGHT "Copyright (C) 2026 Vantelix Example Works")
# Date of the release named by the project version (AppStream needs one).
set(VANTELIX_RELEASE_DATE "2026-12-07")

# The application icon: 16, 32 and 48 pixels, each in 8 and in 32 bits.
if(NOT DEFINED VANTELIX_APPLICATION_ICON)
    set(VANTELIX_APPLICATION_ICON "${PROJECT_SOURCE_DIR}/assets/frmControl.ico")
endif()

# Plain decimal numbers: project() keeps the digits as written, so "1.01.2"
# would otherwise carry its zero into every form (and into C++ as octal).
math(EXPR VANTELIX_VERSION_MAJOR "${PROJECT_VERSION_MAJOR}")
math(EXPR VANTELIX_VERSION_MINOR "${PROJECT_VERSION_MINOR}")
math(EXPR VANTELIX_VERSION_REVISION "0${PROJECT_VERSION_PATCH}")

# The version strings give the minor number two digits and the revision four,
# and the version resource holds each number in 16 bits.
if(VANTELIX_VERSION_MAJOR GREATER 65535 OR VANTELIX_VERSION_MINOR GREATER 99
        OR VANTELIX_VERSION_REVISION GREATER 9999)
    message(FATAL_ERROR "Version ${PROJECT_VERSION} does not fit the written forms "
        "major.mm.rrrr of the version resource")
endif()
math(EXPR _vantelix_minor2 "100 + ${VANTELIX_VERSION_MINOR}")
math(EXPR _vantelix_revision4 "10000 + ${VANTELIX_VERSION_REVISION}")
string(SUBSTRING ${_vantelix_minor2} 1 2 _vantelix_minor2)
string(SUBSTRING ${_vantelix_revision4} 1 4 _vantelix_revision4)

# "1.01.0002" in the version resource strings, 1.1.0.2 as its fixed file and
# product version, 1.1 as the image version in the executable header. (The
# About window's "Version 1.1.2" is written by identity::versionLine().)
set(VANTELIX_VERSION_STRING "${VANTELIX_VERSION_MAJOR}.${_vantelix_minor2}.${_vantelix_revision4}")
set(VANTELIX_VERSION_FIXED "${VANTELIX_VERSION_MAJOR},${VANTELIX_VERSION_MINOR},0,${VANTELIX_VERSION_REVISION}")
set(VANTELIX_IMAGE_VERSION "${VANTELIX_VERSION_MAJOR}.${VANTELIX_VERSION_MINOR}")
