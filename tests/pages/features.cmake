# Tests of the switch-wide feature pages.
velkor_page_tests(switch_feature_tests velkor_switch_features
  global_settings_test.cpp
  mirroring_test.cpp
  qos_test.cpp
  security_test.cpp
)
velkor_page_tests(switch_feature_cli_tests velkor_ctl feature_cli_test.cpp)
velkor_page_widget_tests(switch_feature_widget_tests velkor_switch_feature_widgets feature_widgets_test.cpp)
