#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "transport/register_values.h"

namespace velkor {

// The columns of the port settings list after the port caption, in list order; the pop-up menu has
// one entry per column, in the same order.
enum class PortColumn { kSwitch, kRx, kTx, kSpeed, kFlow, kTrunk, kDescription };
inline constexpr size_t kPortColumnCount = 7;

// Shown where the register behind a cell got no reply: the chip's value is unknown.
inline constexpr const char* kUnknownText = "?";
inline constexpr const char* kNoneText = "--";
inline constexpr const char* kFullGigabitText = "1000M Full";

// The per-port registers the page reads and writes.
enum class PortField {
  kPortOff,        // 0x0608 (chip ports 0-15) / 0x0609: bit p & 15 set = port switched off
  kBandwidth,      // 0x020A + p/2, the port's byte: bits 2-0 receive limit, bits 6-4 transmit limit
  kAdvertisement,  // 0x060A + p/2, the port's byte: bits 0-4 modes, bit 5 pause, bit 6 second pause bit
};

uint16_t FieldRegister(PortField field, int chipPort);
// Where chip port p's bits of field start in its register: bit p & 15 of the port-off pair, else
// the low byte for even and the high byte for odd chip ports.
int FieldShift(PortField field, int chipPort);

// What the chip reports for one port; none where the read got no reply.
struct PortRegisters {
  std::optional<bool> off;
  std::optional<uint8_t> bandwidth;
  std::optional<uint8_t> advertisement;
};

// Chip port p's fields from the values of its registers.
PortRegisters DecodePort(const RegisterValues& values, int chipPort);

std::string SwitchText(std::optional<bool> off);
std::string RxText(std::optional<uint8_t> bandwidth);
std::string TxText(std::optional<uint8_t> bandwidth);
// The fastest mode advertised, or "--" when none is.
std::string SpeedText(std::optional<uint8_t> advertisement);
// Pause applies only to a full-duplex mode; otherwise "--".
std::string FlowText(std::optional<uint8_t> advertisement);
// "Trunk k" when the port's group is enabled, "禁止" when not, "--" for a port no group holds (the
// gigabit ports of every model but the QX-G26A).
std::string TrunkText(int modelCode, int chipPort, bool gigabitRow, std::optional<uint16_t> trunkEnable);

// The text of a bandwidth limit code (0-7).
std::string BandwidthText(uint8_t code);
// Whether the mode a "协商速度/双工" cell shows is a full-duplex one; none when it shows no mode.
std::optional<bool> FullDuplex(const std::string& speed);

}  // namespace velkor
