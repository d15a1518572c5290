#include "pages/switch/save_reset_image.h"

#include <vector>

#include "device/eeprom_layout.h"

namespace velkor {

namespace {
constexpr int kReasks = 3;

bool KeepStoredPlaceholder(SwitchAccess& access, ConfigImage& image) {
  const size_t at = *RegisterImageIndex(kPlaceholderRegister);
  const uint16_t address = static_cast<uint16_t>(kConfigBlockStart + at);
  const auto low = access.ReadEepromByte(address);
  const auto high = access.ReadEepromByte(static_cast<uint16_t>(address + 1));
  if (!low || !high) return false;
  image[at] = *low;
  image[at + 1] = *high;
  return true;
}
}  // namespace

bool ReadLiveRegisters(TransportSession& transport, ConfigImage& image, Progress* progress) {
  EepromBlocks& blocks = transport.blocks;
  // The first register of unread went unanswered; the others have not been asked yet.
  std::vector<uint16_t> unread = blocks.ReadRegisterImage(image, progress);
  int reasks = 0;
  while (!unread.empty()) {
    if (unread.front() == kPlaceholderRegister) {
      if (!KeepStoredPlaceholder(transport.access, image)) return false;
      unread.erase(unread.begin());
    } else if (reasks++ == kReasks || !transport.access.AnswersWithIdentity()) {
      return false;
    }
    if (!unread.empty()) unread = blocks.ReadRegisterImage(image, nullptr, unread);
  }
  return true;
}

}  // namespace velkor
