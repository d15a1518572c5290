# VLAN mode and options, the port-based table and the 802.1Q groups.
add_library(velkor_vlan STATIC
  vlan/dot1q_vlan.cpp
  vlan/group_dialog.cpp
  vlan/member_boxes.cpp
  vlan/member_dialog.cpp
  vlan/port_vlan.cpp
  vlan/tag_rules.cpp
  vlan/trunk_enabling.cpp
  vlan/trunk_vlan_check.cpp
  vlan/vlan_decode.cpp
  vlan/vlan_context.cpp
  vlan/vlan_id.cpp
  vlan/vlan_init_table.cpp
  vlan/vlan_mode.cpp
  vlan/vlan_settings.cpp
  vlan/vlan_table.cpp
)
target_include_directories(velkor_vlan PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_vlan PUBLIC velkor_switch_features velkor_port_settings velkor_maintenance velkor_device)
# Headless: no Qt, so nothing for moc.
set_target_properties(velkor_vlan PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_vlan)

if(VELKOR_GUI)
  add_library(velkor_vlan_widgets STATIC
    vlan/member_boxes_widget.cpp
    vlan/member_boxes_widget.h
    vlan/vlan_dialogs.cpp
    vlan/vlan_dialogs.h
    vlan/vlan_mode_page.cpp
    vlan/vlan_mode_page.h
    vlan/vlan_table_pages.cpp
    vlan/vlan_table_pages.h
  )
  target_include_directories(velkor_vlan_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_vlan_widgets PUBLIC Qt6::Widgets velkor_report_list velkor_vlan)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_vlan_widgets)
endif()
