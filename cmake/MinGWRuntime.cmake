# VANTELIX_MINGW_RUNTIME_DIRS: the folders of the DLLs that every program
# MinGW-w64 builds loads besides the system's: the C++ library and GCC's
# support library (the compiler's own folder) and the POSIX threads library
# (the MinGW-w64 folder). The package copies them beside the program; the tests
# under Wine find them there.
set(VANTELIX_MINGW_RUNTIME_DIRS)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    cmake_path(GET found PARENT_PATH folder)
    cmake_path(NORMAL_PATH folder)
    list(APPEND VANTELIX_MINGW_RUNTIME_DIRS ${folder})
endforeach()
list(REMOVE_DUPLICATES VANTELIX_MINGW_RUNTIME_DIRS)
