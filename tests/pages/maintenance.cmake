# Tests of the maintenance pages.
velkor_page_tests(save_reset_tests velkor_maintenance
  config_transfer_test.cpp
  save_reset_test.cpp
  switch_description_test.cpp
)
velkor_page_widget_tests(save_reset_widget_tests velkor_maintenance_widgets save_reset_page_test.cpp)
velkor_page_tests(save_reset_cli_tests velkor_ctl save_reset_cli_test.cpp config_cli_test.cpp)
# The emulator's microcontroller as the maintenance tests rely on it.
velkor_page_tests(save_reset_sim_tests velkor_sim ../sim/microcontroller_options_test.cpp)
