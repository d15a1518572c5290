#include "device/eeprom_layout.h"

namespace velkor {

std::optional<size_t> RegisterImageIndex(uint16_t reg) {
  std::optional<size_t> found;
  ForEachImageRegister([&](size_t, uint16_t r, size_t offset) {
    if (r == reg && !found) found = offset;
  });
  return found;
}

}  // namespace velkor
