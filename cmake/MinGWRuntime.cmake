# VANTELIX_MINGW_RUNTIME_DIRS: the folders of the DLLs that every program
# MinGW-w64 builds loads besides the system's: the C++ library, GCC's
# support library and the POSIX threads library. The package copies them
# beside the program; the tests under Wine find them there. Debian keeps
# them with the compiler's libraries, where the compiler names them; a
# MinGW on Windows keeps them beside the compiler.
cmake_path(GET CMAKE_CXX_COMPILER PARENT_PATH compiler_folder)
set(VANTELIX_MINGW_RUNTIME_DIRS)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(IS_ABSOLUTE "${found}")
        cmake_path(GET found PARENT_PATH folder)
        cmake_path(NORMAL_PATH folder)
    else()
        set(folder ${compiler_folder})
    endif()
    list(APPEND VANTELIX_MINGW_RUNTIME_DIRS ${folder})
endforeach()
list(REMOVE_DUPLICATES VANTELIX_MINGW_RUNTIME_DIRS)
