# The Windows program as one folder that runs where it is unpacked: the
# executable, the Qt plugins it loads, and every DLL that these import from
# Qt or the MinGW runtime. The system's own DLLs stay out.

# The plugins: the window system, the style and the readers of the pictures
# (GIF, ICO, JPEG), each in the folder of its kind (platforms/, styles/,
# imageformats/) beside the executable, where Qt looks for it.
install(TARGETS ${VANTELIX_EXECUTABLE} RUNTIME DESTINATION .)
set(plugins)
foreach(plugin Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin
        Qt6::QGifPlugin Qt6::QICOPlugin Qt6::QJpegPlugin)
    get_target_property(kind ${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS ${plugin} LIBRARY DESTINATION ${kind})
    list(APPEND plugins $<TARGET_FILE:${plugin}>)
endforeach()

# Qt's DLLs are the ones the program links: CMake looks each imported name up
# in lower case (file(GET_RUNTIME_DEPENDENCIES), library resolution on
# Windows), which finds Qt6Core.dll on Windows' disks only. CMake follows their
# imports and the plugins' into Qt's folder, then the compiler's, where MinGW
# keeps its runtime (the first found wins); a DLL none holds is the system's.
cmake_path(GET CMAKE_CXX_COMPILER PARENT_PATH compiler_dir)
install(CODE "
    set(qt \"$<TARGET_RUNTIME_DLLS:${VANTELIX_EXECUTABLE}>\")
    set(plugins \"${plugins}\")
    set(folders \"$<TARGET_FILE_DIR:Qt6::Core>;${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES};${compiler_dir}\")
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"$<TARGET_FILE:${VANTELIX_EXECUTABLE}>\" LIBRARIES \${qt} MODULES \${plugins}
        DIRECTORIES \${folders} RESOLVED_DEPENDENCIES_VAR runtime UNRESOLVED_DEPENDENCIES_VAR system)
    foreach(dll IN LISTS qt runtime)
        file(INSTALL \"\${dll}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}\" TYPE SHARED_LIBRARY)
        cmake_path(GET dll FILENAME name)
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${name}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endforeach()")
