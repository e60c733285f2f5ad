# A skinned popup menu on a real display: opened with the mouse, a submenu
# walked with the keys, items clicked.
add_executable(skin_menu_demo ${CMAKE_CURRENT_LIST_DIR}/SkinMenuDemo.cpp)
target_link_libraries(skin_menu_demo PRIVATE brio_skin_controls brio_shipped_skin)
add_test(NAME skinmenu_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skinmenu_e2e.sh $<TARGET_FILE:skin_menu_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(skinmenu_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
