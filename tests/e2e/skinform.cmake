# The skinned form on a real display under a window manager, driven by xdotool.
if(TARGET brio-skin-art)
    add_executable(skin_form_demo ${CMAKE_CURRENT_SOURCE_DIR}/e2e/SkinFormDemo.cpp)
    target_link_libraries(skin_form_demo PRIVATE brio_skin_controls brio_shipped_skin brio_named_bitmaps)
    add_test(NAME skinform_e2e
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/skinform_e2e.sh $<TARGET_FILE:skin_form_demo>
                     ${CMAKE_BINARY_DIR}/test-output/skinform)
    set_tests_properties(skinform_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS e2e)
endif()
