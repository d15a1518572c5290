#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "transport/progress.h"
#include "transport/register_image.h"
#include "transport/switch_access.h"

namespace velkor {

inline constexpr uint16_t kPasswordAddress = 0x1A2;  // 418
inline constexpr size_t kPasswordSize = 6;
inline constexpr uint16_t kSwitchDescriptionAddress = 0x200;  // 512
inline constexpr size_t kSwitchDescriptionRead = 22;
inline constexpr size_t kSwitchDescriptionWritten = 40;
inline constexpr uint16_t kPortDescriptionAddress = 0x22A;  // 554
inline constexpr size_t kPortDescriptionSize = 8;
inline constexpr size_t kPortDescriptionSlots = 24;
inline constexpr uint16_t kDescriptionAreaEnd = 0x2E9;  // 745

// The switch and port descriptions as last read from (or written to) the EEPROM.
struct DescriptionCache {
  std::array<uint8_t, 42> switchDescription{};
  std::array<std::array<uint8_t, 13>, kPortDescriptionSlots> ports{};
  void Clear() { *this = DescriptionCache{}; }
};

// Multi-byte EEPROM and register-image operations. Every operation that reads reports a byte or
// register that could not be read, so a lost switch never turns into a block of zeros.
class EepromBlocks {
 public:
  EepromBlocks(SwitchAccess& access, DescriptionCache& cache) : access_(access), cache_(cache) {}

  int WriteConfigBlock(const ConfigImage& image, Progress* progress);
  int ReadConfigBlock(ConfigImage& buffer, Progress* progress);
  int ClearDescriptionArea(Progress* progress);
  int WriteRegisterImage(const ConfigImage& image, Progress& progress);
  // Reads the registers of the map (or only those given) into their words in one batch. Returns the
  // registers that went unanswered, in map order; their words keep what buffer held.
  std::vector<uint16_t> ReadRegisterImage(ConfigImage& buffer, Progress* progress,
                                          std::span<const uint16_t> only = {});

  int ReadPasswordBytes(std::array<uint8_t, kPasswordSize>& buffer);
  int WritePasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes);

  int ReadSwitchDescription(Progress* progress = nullptr);
  int WriteSwitchDescription(const std::array<uint8_t, kSwitchDescriptionWritten>& text);
  int ReadPortDescription(size_t port, Progress* progress = nullptr);
  int WritePortDescription(size_t port, const std::array<uint8_t, kPortDescriptionSize>& text);

  DescriptionCache& Cache() { return cache_; }

 private:
  // Reads count bytes from addr into out; steps progress per byte or per even address.
  int ReadBytes(uint16_t addr, std::span<uint8_t> out, Progress* perByte, Progress* perEvenAddress);
  int WriteBytes(uint16_t addr, std::span<const uint8_t> bytes, Progress* perEvenAddress);

  SwitchAccess& access_;
  DescriptionCache& cache_;
};

}  // namespace velkor
