#pragma once

#include <functional>

namespace velkor::sim {

// The busy bit of an indirect access channel. A command keeps it set for a number of polls of
// the command register and takes effect when it clears, so a host that reads the result
// without waiting sees stale data.
class BusyCommand {
 public:
  void SetPolls(unsigned polls) { polls_ = polls; }
  // A fault: the bit reads set from now on and no command completes.
  void SetStuck(bool stuck) { stuck_ = stuck; }

  // Starts work; with no polls to wait it takes effect at once.
  void Begin(std::function<void()> work);
  // One poll of the command register: true while busy. The poll that finds it done runs the work.
  bool Poll();
  // Whether a poll would read busy, without counting as one.
  bool Busy() const { return stuck_ || left_ > 0; }
  // Power-on: any command in flight is lost.
  void Reset();

 private:
  void Finish();

  unsigned polls_ = 0;
  unsigned left_ = 0;
  bool stuck_ = false;
  std::function<void()> work_;
};

}  // namespace velkor::sim
