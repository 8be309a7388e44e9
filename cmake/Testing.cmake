# vantelix_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [LABELS <labels...>])
#
# Builds one Qt Test program and registers it with CTest. Widgets run on the
# offscreen platform, so the suite needs no display. A cross-built Windows
# test runs under Wine (cmake/WineTesting.cmake), which would not show the Qt
# Test report: wine-run.sh --qtest does.
if(CMAKE_CROSSCOMPILING AND WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WineTesting.cmake)
endif()

function(vantelix_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;LABELS")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test vantelix_compiler_settings ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        LABELS "${arg_LABELS}"
        TIMEOUT 120)
    if(DEFINED VANTELIX_WINE_ENVIRONMENT)
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "${VANTELIX_WINE_ENVIRONMENT}")
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR};--qtest")
    endif()
endfunction()
