# cmake -DBUILD_DIR=<build> -DSTAGE=<folder> -DEXPECTED=<path>|<path>... -P CheckInstall.cmake
#
# Installs the build under STAGE/usr and checks that exactly the EXPECTED
# files (relative to the prefix) were installed.
file(REMOVE_RECURSE "${STAGE}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}/usr"
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE installed RELATIVE "${STAGE}/usr" "${STAGE}/usr/*")
string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "Installed:\n  ${installed}\nExpected:\n  ${expected}")
endif()
