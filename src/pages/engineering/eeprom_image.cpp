#include "pages/engineering/eeprom_image.h"

#include "pages/switch/file_io.h"
#include "transport/eeprom_update.h"

namespace velkor {

std::optional<std::vector<uint8_t>> ReadImageFile(const std::string& path) {
  return ReadFileHead(path, kEepromSize + 1);
}

std::optional<BurnFailure> BurnImage(SwitchAccess& access, std::span<const uint8_t> image,
                                     Progress* progress) {
  const EepromUpdate burned = UpdateEepromRange(access, 0, image, progress, StepAt::kEveryByte);
  if (burned.Verified()) return std::nullopt;
  return BurnFailure{*burned.failedAt, !burned.unanswered};
}

}  // namespace velkor
