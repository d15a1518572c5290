#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "testing/memory_wire.h"

namespace velkor::testing {

// A minimal scripted switch for transport tests: answers hellos with a fixed reply and gets from a
// register map; sets are recorded. Faults are set per register. Frames are built by hand here so
// the tests do not check the system's encoder against itself.
class FakeSwitch : public WireEndpoint {
 public:
  explicit FakeSwitch(Mac mac) : mac_(mac) {}

  std::map<uint16_t, uint32_t> registers;
  std::set<uint16_t> silent;              // gets of these registers are never answered
  int loseGets = 0;                       // the next this many gets go unanswered
  std::map<uint16_t, uint16_t> answerAs;  // reply carries another register address
  uint64_t latencyUs = 100;
  bool tagged = false;
  bool duplicate = false;
  bool answering = true;
  uint8_t modelCode = 1;
  // The hello reply's upstream switch and its port; zero: attached to the host directly.
  Mac upstream{};
  uint8_t upstreamPort = 0;
  std::vector<std::pair<uint16_t, uint32_t>> writes;
  int gets = 0;
  // An EEPROM behind 0x0217/0x0218 that answers without busy polls; the stuck byte ignores writes.
  std::array<uint8_t, 2048> eeprom{};
  int stuckByte = -1;
  // Called for every set before it is applied; may change registers (busy bits, side effects).
  std::function<void(uint16_t, uint32_t)> onSet;
  std::function<uint32_t(uint16_t, uint32_t)> onGet;  // may rewrite the value a get returns

  void OnHostFrame(std::span<const uint8_t> f, uint64_t nowUs, std::vector<TimedFrame>& replies) override;

  static std::vector<uint8_t> Reply(const Mac& dst, const Mac& src, uint8_t opcode, bool tagged);

 private:
  void EepromCommand(uint32_t control);
  Mac mac_;
};

}  // namespace velkor::testing
