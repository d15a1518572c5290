#pragma once

namespace velkor {

// What the save and factory-reset operations do to the statistics page before and after their own
// register traffic.
class StatisticsControl {
 public:
  virtual ~StatisticsControl() = default;
  // Pauses the refresh when counting (the page is then paused).
  virtual void StopMIBRefreshing() = 0;
  // Back to idle after a save: "开始计数" enabled, the other three buttons disabled, the pause
  // button reads "停止刷新"; totals and texts stay.
  virtual void EnterIdle() = 0;
  // After a factory reset: idle, and every Fast Ethernet row reads "0", "帧", "0", "帧", "0", "帧".
  virtual void ShowFactoryUnits() = 0;
};

}  // namespace velkor
