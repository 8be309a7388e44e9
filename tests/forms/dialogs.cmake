# The Preview and About windows, and the shell layer behind the About links.
vantelix_add_test(tst_frmtoobig SOURCES tst_frmtoobig.cpp LIBRARIES vantelix_forms vantelix_assets LABELS forms)
vantelix_add_test(tst_frmabout SOURCES tst_frmabout.cpp LIBRARIES vantelix_forms vantelix_assets vantelix_identity
    LABELS forms)
vantelix_add_test(tst_shellrequest SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/../shell/tst_shellrequest.cpp
    LIBRARIES vantelix_shell LABELS shell)
