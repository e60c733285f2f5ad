# The program itself on a virtual X server with SDL's disk audio: a first run
# in a fresh folder, a sound assigned to key 1 by double click and the open
# dialog, key 1 heard, and all of it again after a restart.
if(TARGET brio_app)
    add_executable(app_tone_tool ${CMAKE_CURRENT_LIST_DIR}/AppToneTool.cpp)
    target_link_libraries(app_tone_tool PRIVATE brio_sound_fixtures PkgConfig::SNDFILE GTest::gtest)
    add_test(NAME app_e2e
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/app_e2e.sh $<TARGET_FILE:brio> $<TARGET_FILE:app_tone_tool>
                     ${CMAKE_BINARY_DIR}/plug-in ${CMAKE_BINARY_DIR}/test-output)
    set_tests_properties(app_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)
endif()
