# Save, factory reset, soft reset and the switch description.
if(VELKOR_GUI)
  add_library(velkor_maintenance_widgets STATIC switch/save_reset_page.h switch/switch_info_page.h)
  target_include_directories(velkor_maintenance_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_maintenance_widgets PUBLIC Qt6::Widgets)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_maintenance_widgets)
endif()
