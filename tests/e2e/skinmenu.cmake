# A skinned popup menu on a real display: opened with the mouse, a submenu
# walked with the keys, items clicked.
add_executable(skin_menu_demo ${CMAKE_CURRENT_LIST_DIR}/SkinMenuDemo.cpp)
target_link_libraries(skin_menu_demo PRIVATE brio_skin_controls brio_shipped_skin)
add_test(NAME skinmenu_e2e
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skinmenu_e2e.sh $<TARGET_FILE:skin_menu_demo>
                 ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(skinmenu_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS e2e)
# Under a window manager, which gives the unmanaged menu window no focus:
# only the keyboard grab brings the keys to a menu opened with no window of
# the program active.
add_test(NAME skinmenu_e2e_openbox
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/skinmenu_e2e.sh $<TARGET_FILE:skin_menu_demo>
                 ${CMAKE_BINARY_DIR}/test-output/openbox)
set_tests_properties(skinmenu_e2e_openbox PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS e2e
                     ENVIRONMENT BRIO_E2E_WM=openbox)
