# Configurations (the EEPROM, an export file) read as the pages' named settings.
add_library(velkor_config_view STATIC
  config/config_features.cpp
  config/config_ports.cpp
  config/config_settings.cpp
  config/config_vlan.cpp
)
target_include_directories(velkor_config_view PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_config_view PUBLIC velkor_vlan velkor_switch_features velkor_port_settings velkor_device)
set_target_properties(velkor_config_view PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_config_view)
