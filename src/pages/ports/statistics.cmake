# Port statistics: counters, their units and the counting states.
add_library(velkor_port_statistics STATIC
  ports/port_statistics.cpp
  ports/statistics_batch.cpp
  ports/statistics_registers.cpp
  ports/statistics_totals.cpp
)
target_include_directories(velkor_port_statistics PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velkor_port_statistics PUBLIC velkor_device)
set_target_properties(velkor_port_statistics PROPERTIES AUTOMOC OFF)
target_link_libraries(velkor_pages INTERFACE velkor_port_statistics)

if(VELKOR_GUI)
  add_library(velkor_port_statistics_widgets STATIC ports/port_statistics_page.cpp)
  target_include_directories(velkor_port_statistics_widgets PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velkor_port_statistics_widgets PUBLIC Qt6::Widgets velkor_report_list velkor_port_statistics)
  target_link_libraries(velkor_page_widgets INTERFACE velkor_port_statistics_widgets)
endif()
