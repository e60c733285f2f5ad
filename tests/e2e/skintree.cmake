# A long skinned tree on a virtual X server: its overlay thumb dragged and
# the wheel turned by xdotool.
add_executable(skin_tree_demo ${CMAKE_CURRENT_LIST_DIR}/SkinTreeDemo.cpp)
target_link_libraries(skin_tree_demo PRIVATE brio_skin_controls brio_shipped_skin brio_named_bitmaps)
add_test(NAME skintree_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skintree_e2e.sh $<TARGET_FILE:skin_tree_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(skintree_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
