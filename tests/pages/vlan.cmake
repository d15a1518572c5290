# Tests of the VLAN pages.
velkor_page_tests(vlan_tests velkor_vlan
  dot1q_vlan_test.cpp
  trunk_enabling_test.cpp
  port_vlan_test.cpp
  vlan_settings_test.cpp
  vlan_table_test.cpp
)
velkor_page_tests(vlan_cli_tests velkor_ctl vlan_cli_test.cpp trunk_cli_test.cpp)
velkor_page_widget_tests(vlan_widget_tests velkor_vlan_widgets vlan_widgets_test.cpp)
