# The Preview and About windows, and the desktop shell the About links use.
target_sources(vantelix_forms PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmtoobig.h
    ${CMAKE_CURRENT_LIST_DIR}/frmtoobig.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmtoobig.ui
    ${CMAKE_CURRENT_LIST_DIR}/aboutcredits.h
    ${CMAKE_CURRENT_LIST_DIR}/aboutcredits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/abouthoverlabel.h
    ${CMAKE_CURRENT_LIST_DIR}/abouthoverlabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/aboutline.h
    ${CMAKE_CURRENT_LIST_DIR}/aboutline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/aboutfontfit.h
    ${CMAKE_CURRENT_LIST_DIR}/aboutfontfit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmabout.h
    ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmabout.ui)
target_link_libraries(vantelix_forms PRIVATE vantelix_shell)
