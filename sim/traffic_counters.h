#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velkor::sim {

inline constexpr size_t kChipPorts = 26;

enum class Counter { kReceive = 0, kTransmit = 1, kDrop = 2 };
enum class CounterUnit : uint8_t { kBytes = 0, kFrames = 1, kCrcErrorFrames = 2, kCollisionFrames = 3 };

// What passes a port per second, in each unit a counter can count.
struct TrafficRates {
  uint64_t bytes = 0;
  uint64_t frames = 0;
  uint64_t crcErrorFrames = 0;
  uint64_t collisionFrames = 0;
};

// The counter block 0x0700-0x075A: unit selection at 0x0700 + p/2 (6 bits per chip port, at
// bit 6 * (p & 1): receive unit bits 1-0, transmit 3-2, drop 5-4) and the 32-bit receive,
// transmit and drop counters at 0x070D + p, 0x0727 + p and 0x0741 + p. Counters advance over
// time in their selected unit and wrap at 2^32; a counter whose unit changes starts again at 0.
class TrafficCounters {
 public:
  static constexpr uint16_t kUnitBase = 0x0700;
  static constexpr uint16_t kCounterBase = 0x070D;
  static constexpr uint16_t kLastRegister = kCounterBase + 3 * kChipPorts - 1;

  static bool Covers(uint16_t reg) { return reg >= kUnitBase && reg <= kLastRegister; }

  uint32_t Read(uint16_t reg) const;
  // A unit register takes the value; a counter register is set to it (the chip ignores host
  // writes to counters, the owner decides who may call this for them).
  void Write(uint16_t reg, uint32_t value);

  void Advance(uint64_t elapsedUs);

  void SetRates(uint8_t port, Counter counter, const TrafficRates& rates);
  uint32_t Value(uint8_t port, Counter counter) const { return At(port, counter).value; }
  void SetValue(uint8_t port, Counter counter, uint32_t value);
  CounterUnit Unit(uint8_t port, Counter counter) const;

  // Soft reset: every counter back to 0, units kept.
  void ClearValues();
  // Power-on: counters 0 and every unit back to bytes; the traffic on the wire goes on.
  void Reset();

 private:
  struct Channel {
    uint32_t value = 0;
    uint64_t carryMicroUnits = 0;  // what is counted but not yet a whole unit, times 1e6
    TrafficRates rates;
  };

  Channel& At(uint8_t port, Counter counter) {
    return channels_[port % kChipPorts][static_cast<int>(counter)];
  }
  const Channel& At(uint8_t port, Counter counter) const {
    return channels_[port % kChipPorts][static_cast<int>(counter)];
  }
  void WriteUnits(size_t index, uint32_t value);

  std::array<std::array<Channel, 3>, kChipPorts> channels_{};
  std::array<uint32_t, kChipPorts / 2> units_{};
};

}  // namespace velkor::sim
