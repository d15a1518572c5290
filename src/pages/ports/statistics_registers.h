#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velkor {

// The three hardware counters every chip port has.
enum class TrafficCounter { kReceive = 0, kTransmit = 1, kDrop = 2 };
inline constexpr std::array<TrafficCounter, 3> kTrafficCounters{
    TrafficCounter::kReceive, TrafficCounter::kTransmit, TrafficCounter::kDrop};

// What a counter counts; the code is the chip's 2-bit unit field.
enum class CounterUnit : uint8_t { kBytes = 0, kFrames = 1, kCrcErrorFrames = 2, kCollisionFrames = 3 };

// Unit selection: two chip ports per register, 6 bits each (receive bits 1-0, transmit 3-2,
// drop 5-4), odd chip ports in the upper six.
uint16_t UnitRegister(int chipPort);
// The 32-bit counter of chip port chipPort; the three arrays follow each other from 0x070D.
uint16_t CounterRegister(TrafficCounter counter, int chipPort);

// The bits of the unit register that hold counter's unit for chipPort.
uint32_t UnitMask(TrafficCounter counter, int chipPort);
CounterUnit DecodeUnit(uint32_t unitRegister, TrafficCounter counter, int chipPort);
// unit placed in counter's field for chipPort, to be applied under UnitMask.
uint32_t EncodeUnit(TrafficCounter counter, int chipPort, CounterUnit unit);
// The same for all three counters of chipPort at once (a factory reset counts frames everywhere).
uint32_t PortUnitsMask(int chipPort);
uint32_t EncodePortUnits(int chipPort, CounterUnit unit);

// The list's text for unit: "字节", "帧", "错误帧", "碰撞帧".
std::string_view UnitText(CounterUnit unit);
// The unit a list text names, or none for any other text.
std::optional<CounterUnit> UnitOfText(std::string_view text);

}  // namespace velkor
