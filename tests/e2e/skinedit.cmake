# A skinned edit box on a virtual X server: typing, Shift+arrow selection,
# cut, paste and undo by xdotool.
add_executable(skin_edit_demo ${CMAKE_CURRENT_LIST_DIR}/SkinEditDemo.cpp)
target_link_libraries(skin_edit_demo PRIVATE brio_skin_controls brio_shipped_skin brio_named_bitmaps)
add_test(NAME skinedit_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skinedit_e2e.sh $<TARGET_FILE:skin_edit_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(skinedit_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
