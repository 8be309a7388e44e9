# cmake -DSOURCE_DIR=<project> -DBUILD_DIR=<folder> -DICONS=<path>|<path>... -P CheckMakefileBuild.cmake
#
# Configures the project afresh with the Unix Makefiles generator, as a plain
# `cmake -S . -B build` does, builds the desktop icons and checks that every
# one of ICONS (relative to the build folder) was written.
file(REMOVE_RECURSE "${BUILD_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${BUILD_DIR}" -G "Unix Makefiles"
        -DVANTELIX_BUILD_TESTS=OFF
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target vantelix_desktop_icons
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "|" ";" icons "${ICONS}")
foreach(icon IN LISTS icons)
    if(NOT EXISTS "${BUILD_DIR}/${icon}")
        message(FATAL_ERROR "The Makefile build wrote no ${icon}")
    endif()
endforeach()
file(REMOVE_RECURSE "${BUILD_DIR}")
