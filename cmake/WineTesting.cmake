# The Windows build's tests run on the Linux machine that built them, under
# Wine: CTest starts each program through CMAKE_CROSSCOMPILING_EMULATOR (the
# windows preset names tools/windows/wine-run.sh), in one Wine prefix that
# the fixture "wine" makes afresh at the start of every test run.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "The Windows tests run under Wine: configure with the windows preset, "
        "or set CMAKE_CROSSCOMPILING_EMULATOR to ${PROJECT_SOURCE_DIR}/tools/windows/wine-run.sh")
endif()

set(wine_prefix ${PROJECT_BINARY_DIR}/wine-prefix)
add_test(NAME wine_prefix COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/wine-prefix.sh ${wine_prefix})
add_test(NAME wine_prefix_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/wine-prefix.sh --stop ${wine_prefix})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows)

# Qt's offscreen platform on Windows takes its fonts from one folder
# (QT_QPA_FONTDIR), not from the system, and without any measures every text
# as a row of boxes: it gets the DejaVu Sans the Linux suite renders with.
set(wine_fonts ${PROJECT_BINARY_DIR}/wine-fonts)
file(MAKE_DIRECTORY ${wine_fonts})
foreach(face DejaVuSans.ttf DejaVuSans-Bold.ttf)
    file(CREATE_LINK /usr/share/fonts/truetype/dejavu/${face} ${wine_fonts}/${face} SYMBOLIC)
endforeach()

# What every test gets (cmake/Testing.cmake): the prefix, the fonts, and where
# Windows finds the DLLs: Qt's folder and the compiler's, where MinGW keeps its
# runtime, on the drive Z: that Wine gives the Unix root. The escaped
# semicolons keep WINEPATH one entry.
list(TRANSFORM CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES PREPEND "Z:" OUTPUT_VARIABLE runtime_path)
list(JOIN runtime_path "\\;" runtime_path)
set(VANTELIX_WINE_ENVIRONMENT "WINEPREFIX=${wine_prefix}" "QT_QPA_FONTDIR=Z:${wine_fonts}"
    "WINEPATH=Z:$<TARGET_FILE_DIR:Qt6::Core>\\;${runtime_path}")
