# The Windows program as one folder that runs where it is unpacked: the
# executable, the Qt plugins it loads, and every DLL that these import from
# Qt or the MinGW runtime. The system's own DLLs stay out. (Written for
# MinGW-w64, whose objdump reads the imports.)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWRuntime.cmake)

# The plugins the program loads: its window system, its style and the
# readers of its pictures (GIF, ICO, JPEG). Each goes to the folder of its
# kind (platforms/, styles/, imageformats/) beside the executable, where Qt
# looks for it.
set(VANTELIX_WINDOWS_PLUGINS
    Qt6::QWindowsIntegrationPlugin
    Qt6::QWindowsVistaStylePlugin
    Qt6::QGifPlugin
    Qt6::QICOPlugin
    Qt6::QJpegPlugin)

install(TARGETS ${VANTELIX_EXECUTABLE} RUNTIME DESTINATION .)
set(importers $<TARGET_FILE:${VANTELIX_EXECUTABLE}>)
foreach(plugin IN LISTS VANTELIX_WINDOWS_PLUGINS)
    get_target_property(kind ${plugin} QT_PLUGIN_TYPE)
    install(IMPORTED_RUNTIME_ARTIFACTS ${plugin} LIBRARY DESTINATION ${kind})
    list(APPEND importers $<TARGET_FILE:${plugin}>)
endforeach()

# The DLLs, found from the imports that objdump lists. (CMake's own
# runtime dependency sets cannot do this from Linux: they look the names up
# in lower case, and the file system is not Windows'.)
install(CODE "
    cmake_policy(PUSH)
    cmake_policy(VERSION ${CMAKE_MINIMUM_REQUIRED_VERSION})
    set(VANTELIX_DLL_IMPORTERS \"${importers}\")
    set(VANTELIX_DLL_DIRS \"$<TARGET_FILE_DIR:Qt6::Core>;${VANTELIX_MINGW_RUNTIME_DIRS}\")
    set(VANTELIX_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(VANTELIX_STRIP \"${CMAKE_STRIP}\")
    include(\"${CMAKE_CURRENT_LIST_DIR}/InstallWindowsDlls.cmake\")
    cmake_policy(POP)")
