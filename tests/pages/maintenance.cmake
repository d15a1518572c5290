# Tests of the maintenance pages.
velkor_test(save_reset_tests
  save_reset_test.cpp
  switch_description_test.cpp
)
target_link_libraries(save_reset_tests PRIVATE velkor_maintenance velkor_sim velkor_test_support)

if(VELKOR_GUI)
  velkor_test(save_reset_widget_tests
    ../gui/gui_test_main.cpp
    save_reset_page_test.cpp
  )
  target_link_libraries(save_reset_widget_tests PRIVATE velkor_maintenance_widgets Qt6::Test)
endif()

velkor_test(save_reset_cli_tests
  save_reset_cli_test.cpp
)
target_link_libraries(save_reset_cli_tests PRIVATE velkor_ctl velkor_sim velkor_test_support)

# The emulator's microcontroller as the maintenance tests rely on it.
velkor_test(save_reset_sim_tests
  ../sim/microcontroller_options_test.cpp
)
target_link_libraries(save_reset_sim_tests PRIVATE velkor_sim)
