# The real program carrying a key and the user's voice into "Clatterbox
# microphone" on a private sound server, under a virtual X server.
add_executable(sound_probe ${CMAKE_CURRENT_LIST_DIR}/SoundProbe.cpp)
target_link_libraries(sound_probe PRIVATE PkgConfig::SNDFILE)
if(TARGET brio)
    add_test(NAME microphone_e2e
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/microphone_e2e.sh $<TARGET_FILE:brio> $<TARGET_FILE:sound_probe>
                     ${CMAKE_BINARY_DIR}/plug-in ${CMAKE_BINARY_DIR}/test-output)
    set_tests_properties(microphone_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS e2e)
endif()
