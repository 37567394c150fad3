# Every tests/scenarios/*.script is played by brenvoll-drive and compared with its .out transcript.
file(GLOB SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/*.script)
foreach(script ${SCENARIOS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME scenario.${name}
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/run_scenario.sh $<TARGET_FILE:brenvoll-drive>
                   $<TARGET_FILE:brenvoll-gencat> ${CMAKE_BINARY_DIR} ${script})
  set_tests_properties(scenario.${name} PROPERTIES TIMEOUT 60)
endforeach()
