# Skinned message boxes and hints on a virtual X server: a hint shown and
# hidden without taking the focus, Yes/No answered by Escape and by Enter, a
# notice answered with the mouse.
add_executable(skin_message_demo ${CMAKE_CURRENT_LIST_DIR}/SkinMessageDemo.cpp)
target_link_libraries(skin_message_demo PRIVATE brio_skin_controls brio_shipped_skin brio_named_bitmaps)
add_test(NAME skin_message_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skin_message_e2e.sh $<TARGET_FILE:skin_message_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(skin_message_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
