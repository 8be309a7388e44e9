# Part of the install script (see WindowsDeployment.cmake), with
#   VANTELIX_DLL_IMPORTERS  the program and the plugins, as built
#   VANTELIX_DLL_DIRS       the folders of the DLLs they may import
#   VANTELIX_OBJDUMP        objdump for Windows files
#   VANTELIX_STRIP          strip for Windows files
#
# Installs beside the program every DLL that these import, directly or
# through another, from those folders, stripped when the installation strips
# (cpack does). Names match without regard to case, as on Windows; a DLL that
# none of the folders holds is the system's.

# Lower-case name of each DLL -> its file; the first folder that has it wins.
foreach(folder IN LISTS VANTELIX_DLL_DIRS)
    file(GLOB dlls "${folder}/*.dll")
    foreach(dll IN LISTS dlls)
        cmake_path(GET dll FILENAME name)
        string(TOLOWER "${name}" name)
        if(NOT DEFINED _vantelix_dll_${name})
            set(_vantelix_dll_${name} "${dll}")
        endif()
    endforeach()
endforeach()

set(pending ${VANTELIX_DLL_IMPORTERS})
set(installed)
while(pending)
    list(POP_FRONT pending importer)
    execute_process(COMMAND "${VANTELIX_OBJDUMP}" -p "${importer}"
        OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
    foreach(import IN LISTS imports)
        string(REPLACE "DLL Name: " "" name "${import}")
        string(TOLOWER "${name}" name)
        if(DEFINED _vantelix_dll_${name} AND NOT name IN_LIST installed)
            list(APPEND installed ${name})
            list(APPEND pending "${_vantelix_dll_${name}}")
            file(INSTALL DESTINATION "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" TYPE SHARED_LIBRARY
                FILES "${_vantelix_dll_${name}}")
            if(CMAKE_INSTALL_DO_STRIP)
                cmake_path(GET _vantelix_dll_${name} FILENAME file)
                execute_process(COMMAND "${VANTELIX_STRIP}" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endif()
    endforeach()
endwhile()
