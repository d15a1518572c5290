#pragma once

#include <functional>

#include "device/port_layout.h"

namespace velkor {

// What connecting, disconnecting and the adapter pick ask of the pages that keep state across a
// connection. The program wires each to its page; an unset entry does nothing.
struct PageHooks {
  std::function<void()> stopStatisticsTimer;
  // A new connection: the statistics page goes idle ("开始计数" enabled, the rest disabled).
  std::function<void()> resetStatisticsPage;
  // "断开连接" zeroes the count columns of the Fast Ethernet rows.
  std::function<void()> zeroStatisticsCounts;
  // The save page's procedure; true when the settings were saved.
  std::function<bool()> saveSettings;
  std::function<void(const PortLayout&, bool microcontrollerModel)> resetVlanTables;
};

}  // namespace velkor
