#include "pages/switch/save_reset_image.h"

#include <algorithm>
#include <vector>

#include "device/default_images.h"
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
  std::vector<uint16_t> unread = blocks.ReadRegisterImage(image, progress);
  for (int reasks = 0;; ++reasks) {
    const auto placeholder = std::find(unread.begin(), unread.end(), kPlaceholderRegister);
    if (placeholder != unread.end()) {
      if (!KeepStoredPlaceholder(transport.access, image)) return false;
      unread.erase(placeholder);
    }
    if (unread.empty()) return true;
    if (reasks == kReasks || !transport.access.AnswersWithIdentity()) return false;
    unread = blocks.ReadRegisterImage(image, nullptr, unread);
  }
}

std::optional<bool> LiveDiffersFromStored(TransportSession& transport, int modelCode) {
  ConfigImage live = SaveTemplateFor(modelCode);
  if (!ReadLiveRegisters(transport, live, nullptr)) return std::nullopt;
  ConfigImage stored{};
  if (transport.blocks.ReadConfigBlock(stored, nullptr) != 0) return std::nullopt;
  return live != stored;
}

}  // namespace velkor
