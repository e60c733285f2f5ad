# The sound library and the settings dialog of the program itself on a
# virtual X server with SDL's disk audio: a group and a sound made through
# the dialogs, the sound heard from the tree, another player interface
# chosen, and all of it back after a restart.
if(TARGET brio AND TARGET app_tone_tool)
    add_test(NAME library_e2e
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/library_e2e.sh $<TARGET_FILE:brio> $<TARGET_FILE:app_tone_tool>
                     ${CMAKE_BINARY_DIR}/plug-in ${CMAKE_BINARY_DIR}/test-output)
    set_tests_properties(library_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)
endif()
