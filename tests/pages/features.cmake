# Tests of the switch-wide feature pages.
velkor_page_tests(switch_feature_tests velkor_switch_features
  qos_test.cpp
  security_test.cpp
)
velkor_page_tests(switch_feature_cli_tests velkor_ctl feature_cli_test.cpp)
