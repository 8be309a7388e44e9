# The Windows build's tests run on the Linux machine that built them, under
# Wine: CTest starts each program through CMAKE_CROSSCOMPILING_EMULATOR (the
# windows preset names tools/windows/wine-run.sh), in one Wine prefix that
# the fixture "wine" makes afresh at the start of every test run.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "The Windows tests run under Wine: configure with the windows preset, "
        "or set CMAKE_CROSSCOMPILING_EMULATOR to ${PROJECT_SOURCE_DIR}/tools/windows/wine-run.sh")
endif()

set(VANTELIX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
add_test(NAME wine_prefix COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/wine-prefix.sh ${VANTELIX_WINE_PREFIX})
add_test(NAME wine_prefix_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/wine-prefix.sh --stop ${VANTELIX_WINE_PREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows)

# Where Windows finds the DLLs: Qt's folder and the compiler's, where MinGW
# keeps its runtime, on the drive Z: that Wine gives the Unix root. The
# escaped semicolons stay in the one variable.
set(VANTELIX_WINE_PATH "Z:$<TARGET_FILE_DIR:Qt6::Core>")
foreach(folder IN LISTS CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
    string(APPEND VANTELIX_WINE_PATH "\\;Z:${folder}")
endforeach()

# Qt's offscreen platform on Windows takes its fonts from one folder
# (QT_QPA_FONTDIR, by default a lib/fonts that this Qt does not have), not from
# the system, and without any it measures every text as a row of boxes. It
# gets the faces of DejaVu Sans that the Linux suite renders with (Debian's
# fonts-dejavu-core), and no other font it could fall back to instead.
set(VANTELIX_WINE_FONT_DIR ${PROJECT_BINARY_DIR}/wine-fonts)
file(MAKE_DIRECTORY ${VANTELIX_WINE_FONT_DIR})
foreach(face DejaVuSans.ttf DejaVuSans-Bold.ttf)
    file(CREATE_LINK /usr/share/fonts/truetype/dejavu/${face} ${VANTELIX_WINE_FONT_DIR}/${face} SYMBOLIC)
endforeach()

# vantelix_run_under_wine(<test> [QTEST]): runs <test> in the test prefix
# with the DLLs found. QTEST: the program is a Qt Test, whose report Wine
# would not show.
function(vantelix_run_under_wine test)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTEST" "" "")
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
        "WINEPREFIX=${VANTELIX_WINE_PREFIX}" "WINEPATH=${VANTELIX_WINE_PATH}"
        "QT_QPA_FONTDIR=Z:${VANTELIX_WINE_FONT_DIR}")
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine)
    if(arg_QTEST)
        set_property(TARGET ${test} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR} --qtest)
    endif()
endfunction()
