# Window effects on a virtual X server: the show animation's time and frames,
# the desktop read from the X screen, and the shadow band over a known
# backdrop after the show and after a move.
add_executable(window_effects_demo ${CMAKE_CURRENT_LIST_DIR}/WindowEffectsDemo.cpp)
target_link_libraries(window_effects_demo PRIVATE brio_skin_controls brio_shipped_skin brio_named_bitmaps
                      PkgConfig::SDL2)
add_test(NAME window_effects_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_effects_e2e.sh $<TARGET_FILE:window_effects_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(window_effects_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
