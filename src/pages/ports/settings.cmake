# Port settings, trunk groups and port descriptions.
add_library(velkor_port_settings STATIC
  ports/port_description_record.cpp
  ports/port_descriptions.cpp
  ports/port_settings.cpp
  ports/port_settings_batch.cpp
  ports/port_settings_fields.cpp
  ports/port_settings_items.cpp
  ports/port_status.cpp
  ports/read_back.cpp
  ports/trunk_groups.cpp
)
target_include_directories(velkor_port_settings PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_port_settings PUBLIC velkor_device)
# Headless: no Qt, so nothing for moc.
set_target_properties(velkor_port_settings PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_port_settings)

if(VELKOR_GUI)
  add_library(velkor_port_settings_widgets STATIC
    ports/port_description_dialog.cpp
    ports/port_description_dialog.h
    ports/port_settings_page.cpp
    ports/port_settings_page.h
    ports/port_settings_press_hook.cpp
  )
  target_include_directories(velkor_port_settings_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_port_settings_widgets PUBLIC Qt6::Widgets velkor_report_list velkor_port_settings)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_port_settings_widgets)
endif()
