# The engineering pages: chip and VLAN information, raw register, PHY and EEPROM access, the EEPROM
# image writer and the MAC address.
add_library(velkor_engineering STATIC
  engineering/c_number.cpp
  engineering/diagnostics.cpp
  engineering/eeprom_image.cpp
  engineering/eeprom_writer.cpp
  engineering/general_info.cpp
  engineering/mac_address.cpp
  engineering/vlan_info.cpp
)
target_include_directories(velkor_engineering PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_engineering PUBLIC velkor_maintenance velkor_device)
# Headless: no Qt, so nothing for moc.
set_target_properties(velkor_engineering PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_engineering)

if(VELKOR_GUI)
  add_library(velkor_engineering_widgets STATIC
    engineering/diagnostics_page.cpp
    engineering/diagnostics_page.h
    engineering/eeprom_writer_page.cpp
    engineering/eeprom_writer_page.h
    engineering/general_info_page.cpp
    engineering/general_info_page.h
    engineering/mac_address_page.cpp
    engineering/mac_address_page.h
    engineering/vlan_info_page.cpp
    engineering/vlan_info_page.h
  )
  target_include_directories(velkor_engineering_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_engineering_widgets PUBLIC Qt6::Widgets velkor_report_list velkor_engineering)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_engineering_widgets)
endif()
