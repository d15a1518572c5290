# Port settings, trunk groups and port descriptions.
if(VELKOR_GUI)
  add_library(velkor_port_settings_widgets STATIC ports/port_settings_page.h)
  target_include_directories(velkor_port_settings_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_port_settings_widgets PUBLIC Qt6::Widgets)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_port_settings_widgets)
endif()
