# Version resource, icon group and image version of the Windows executable:
# see app/windows. The resource compiler has to be enabled here, in the
# top-level directory, above the executable's.
if(WIN32)
    enable_language(RC)
endif()
add_subdirectory(app/windows)
