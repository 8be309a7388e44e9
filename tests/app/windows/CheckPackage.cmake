# cmake -DBUILD_DIR=<build> -DPACKAGE=<name> -DUNPACKED=<folder> -DEXPECTED=<path>|<path>... -P CheckPackage.cmake
#
# Makes the zip with cpack as a release would, checks its name, unpacks it
# into an empty folder and checks that the one folder inside holds exactly
# the EXPECTED files.
file(REMOVE "${BUILD_DIR}/${PACKAGE}.zip")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G ZIP --config "${BUILD_DIR}/CPackConfig.cmake" -B "${BUILD_DIR}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS "${BUILD_DIR}/${PACKAGE}.zip")
    file(GLOB made RELATIVE "${BUILD_DIR}" "${BUILD_DIR}/*.zip")
    message(FATAL_ERROR "cpack made ${made}, not ${PACKAGE}.zip")
endif()

file(REMOVE_RECURSE "${UNPACKED}")
file(ARCHIVE_EXTRACT INPUT "${BUILD_DIR}/${PACKAGE}.zip" DESTINATION "${UNPACKED}")
file(GLOB top RELATIVE "${UNPACKED}" "${UNPACKED}/*")
if(NOT top STREQUAL PACKAGE)
    message(FATAL_ERROR "The zip holds ${top}, not the one folder ${PACKAGE}")
endif()
# Both lists sorted: file(GLOB) sorts what it finds.
file(GLOB_RECURSE unpacked RELATIVE "${UNPACKED}/${PACKAGE}" "${UNPACKED}/${PACKAGE}/*")
string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT expected)
if(NOT unpacked STREQUAL expected)
    message(FATAL_ERROR "The zip holds:\n  ${unpacked}\nExpected:\n  ${expected}")
endif()
