# Tests of the settings pages.
velkor_page_tests(port_settings_tests velkor_port_settings
  port_description_test.cpp
  port_settings_test.cpp
  port_status_test.cpp
  trunk_groups_test.cpp
)
velkor_page_widget_tests(port_settings_page_tests velkor_port_settings_widgets port_settings_page_test.cpp)
velkor_page_tests(port_settings_cli_tests velkor_ctl port_settings_cli_test.cpp status_cli_test.cpp)
