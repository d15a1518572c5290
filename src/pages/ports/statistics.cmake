# Port statistics: counters, their units and the counting states.
if(VELKOR_GUI)
  add_library(velkor_port_statistics_widgets STATIC ports/port_statistics_page.h)
  target_include_directories(velkor_port_statistics_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_port_statistics_widgets PUBLIC Qt6::Widgets)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_port_statistics_widgets)
endif()
