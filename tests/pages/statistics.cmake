# Tests of the statistics pages.
velkor_test(port_statistics_tests
  port_statistics_test.cpp
)
target_link_libraries(port_statistics_tests PRIVATE velkor_port_statistics velkor_sim velkor_test_support)

if(VELKOR_GUI)
  # Widget tests bring their own main: they need an application object on the offscreen platform.
  velkor_test(port_statistics_page_tests
    ${PROJECT_SOURCE_DIR}/tests/gui/gui_test_main.cpp
    port_statistics_page_test.cpp
  )
  target_link_libraries(port_statistics_page_tests PRIVATE velkor_port_statistics_widgets velkor_sim velkor_test_support
                        Qt6::Test)
endif()

velkor_test(statistics_command_tests
  statistics_commands_test.cpp
)
target_link_libraries(statistics_command_tests PRIVATE velkor_ctl velkor_sim velkor_test_support)
