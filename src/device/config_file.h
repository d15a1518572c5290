#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velkor {

// The EEPROM bytes a configuration file carries (0x000-0x2E9) and the image that holds them.
inline constexpr size_t kExportedBytes = 746;
inline constexpr size_t kConfigFileImageSize = 1024;
using ConfigFileImage = std::array<uint8_t, kConfigFileImageSize>;

// Enough of a file to hold the longest name, the image and the checksum; the rest is ignored.
inline constexpr size_t kConfigFileReadLimit = 16 + kConfigFileImageSize + 1;

// The name a file is stamped with and must match on import; switches that share it share files.
std::string_view ConfigModelName(uint8_t chipModel);

// Bitwise NOT of the 8-bit sum of the exported bytes.
uint8_t ConfigChecksum(const ConfigFileImage& image);

// Name, image (password and the bytes past the exported ones zeroed) and checksum.
std::vector<uint8_t> EncodeConfigFile(std::string_view modelName, ConfigFileImage image);

// The image of a file made for modelName; none when the name, the length or the checksum is wrong.
// A file cut short is refused whatever its sum; bytes after the checksum are ignored.
std::optional<ConfigFileImage> DecodeConfigFile(std::span<const uint8_t> file, std::string_view modelName);

// A file made for any model name: the name it carries and its image; none when no name fits.
struct NamedConfigFile {
  std::string_view modelName;
  ConfigFileImage image;
};
std::optional<NamedConfigFile> DecodeAnyConfigFile(std::span<const uint8_t> file);

// The chip a file's image describes: the chip model its name stands for (the name of a QX-F24A
// stands for the 8326 family too, which the model code in the image tells apart).
uint8_t ConfigChipModel(std::string_view modelName, int modelCode);

}  // namespace velkor
