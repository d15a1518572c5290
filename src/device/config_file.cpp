#include "device/config_file.h"

#include <algorithm>

#include "device/model.h"
#include "transport/eeprom_blocks.h"

namespace velkor {

std::string_view ConfigModelName(uint8_t chipModel) {
  switch (chipModel) {
    case 2:
      return "QX-F8A";
    case 7:
      return "QX-F8B";
    case 1:
      return "QX-F16A";
    default:
      return "QX-F24A";
  }
}

uint8_t ConfigChecksum(const ConfigFileImage& image) {
  uint8_t sum = 0;
  for (size_t i = 0; i < kExportedBytes; ++i) sum = static_cast<uint8_t>(sum + image[i]);
  return static_cast<uint8_t>(~sum);
}

std::vector<uint8_t> EncodeConfigFile(std::string_view modelName, ConfigFileImage image) {
  std::fill_n(image.begin() + kPasswordAddress, kPasswordSize, 0);
  std::fill(image.begin() + kExportedBytes, image.end(), 0);
  std::vector<uint8_t> file(modelName.begin(), modelName.end());
  file.insert(file.end(), image.begin(), image.end());
  file.push_back(ConfigChecksum(image));
  return file;
}

std::optional<ConfigFileImage> DecodeConfigFile(std::span<const uint8_t> file, std::string_view modelName) {
  const size_t n = modelName.size();
  if (file.size() < n + kConfigFileImageSize + 1) return std::nullopt;
  if (!std::equal(modelName.begin(), modelName.end(), file.begin())) return std::nullopt;
  ConfigFileImage image;
  std::copy_n(file.begin() + n, kConfigFileImageSize, image.begin());
  if (file[n + kConfigFileImageSize] != ConfigChecksum(image)) return std::nullopt;
  return image;
}

namespace {
// One chip model per name; the 8326 family (chip model 0) shares the QX-F24A's name.
constexpr uint8_t kNamedChipModels[] = {2, 7, 1, 3};
}  // namespace

std::optional<NamedConfigFile> DecodeAnyConfigFile(std::span<const uint8_t> file) {
  for (const uint8_t chipModel : kNamedChipModels) {
    const std::string_view name = ConfigModelName(chipModel);
    if (auto image = DecodeConfigFile(file, name)) return NamedConfigFile{name, *image};
  }
  return std::nullopt;
}

uint8_t ConfigChipModel(std::string_view modelName, int modelCode) {
  for (const uint8_t chipModel : kNamedChipModels)
    if (ConfigModelName(chipModel) == modelName && (chipModel != 3 || modelCode == kModelF24A))
      return chipModel;
  return 0;
}

}  // namespace velkor
