# Switch-wide features: QoS, port mirroring, global settings, management ports and the password.
add_library(velkor_switch_features STATIC
  switch/feature_context.cpp
  switch/global_settings.cpp
  switch/mirroring.cpp
  switch/port_bits.cpp
  switch/qos.cpp
  switch/security.cpp
)
target_include_directories(velkor_switch_features PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_switch_features PUBLIC velkor_port_settings velkor_maintenance velkor_device)
# Headless: no Qt, so nothing for moc.
set_target_properties(velkor_switch_features PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_switch_features)

if(VELKOR_GUI)
  add_library(velkor_switch_feature_widgets STATIC
    switch/global_settings_page.cpp
    switch/global_settings_page.h
    switch/mirroring_page.cpp
    switch/mirroring_page.h
    switch/qos_page.cpp
    switch/radio_marks.cpp
    switch/security_page.cpp
    switch/security_page.h
    switch/qos_page.h
  )
  target_include_directories(velkor_switch_feature_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_switch_feature_widgets PUBLIC Qt6::Widgets velkor_report_list
                                                             velkor_switch_features)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_switch_feature_widgets)
endif()
