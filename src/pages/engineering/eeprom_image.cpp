#include "pages/engineering/eeprom_image.h"

#include "pages/switch/file_io.h"

namespace velkor {

std::optional<std::vector<uint8_t>> ReadImageFile(const std::string& path) {
  return ReadFileHead(path, kEepromSize + 1);
}

std::optional<BurnFailure> BurnImage(SwitchAccess& access, std::span<const uint8_t> image,
                                     Progress* progress) {
  for (size_t address = 0; address < image.size(); ++address) {
    const auto at = static_cast<uint16_t>(address);
    const auto back = access.WriteEepromByte(at, image[address]) ? access.ReadEepromByte(at) : std::nullopt;
    if (back != image[address]) return BurnFailure{address, back.has_value()};
    if (progress) progress->StepIt();
  }
  return std::nullopt;
}

}  // namespace velkor
