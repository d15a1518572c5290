# Save, factory reset, soft reset and the switch description.
add_library(velkor_maintenance STATIC
  switch/config_transfer.cpp
  switch/file_io.cpp
  switch/save_reset.cpp
  switch/save_reset_factory.cpp
  switch/save_reset_image.cpp
  switch/save_reset_mcu.cpp
  switch/save_reset_units.cpp
  switch/switch_description.cpp
  switch/unanswered_report.cpp
)
target_include_directories(velkor_maintenance PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_maintenance PUBLIC velkor_device velkor_port_statistics)
target_link_libraries(velkor_pages INTERFACE velkor_maintenance)

if(VELKOR_GUI)
  add_library(velkor_maintenance_widgets STATIC
    switch/save_reset_page.cpp
    switch/save_reset_page.h
    switch/switch_info_page.cpp
    switch/switch_info_page.h
  )
  target_include_directories(velkor_maintenance_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_maintenance_widgets PUBLIC Qt6::Widgets velkor_report_list velkor_maintenance)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_maintenance_widgets)
endif()
