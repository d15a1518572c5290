# Tests of the settings pages.
velkor_test(port_settings_tests
  port_description_test.cpp
  port_settings_test.cpp
  trunk_groups_test.cpp
)
target_link_libraries(port_settings_tests PRIVATE velkor_port_settings velkor_sim velkor_test_support)

if(VELKOR_GUI)
  velkor_test(port_settings_page_tests
    ${PROJECT_SOURCE_DIR}/tests/gui/gui_test_main.cpp
    port_settings_page_test.cpp
  )
  target_link_libraries(port_settings_page_tests PRIVATE velkor_port_settings_widgets velkor_sim velkor_test_support
                        Qt6::Test)
endif()

velkor_test(port_settings_cli_tests
  port_settings_cli_test.cpp
)
target_link_libraries(port_settings_cli_tests PRIVATE velkor_ctl velkor_sim velkor_test_support)
