// An EEPROM image for the writer is any file: every field the system reads from it after the write
// (model byte, descriptions, configuration block) must decode, and its export must decode back to
// what was exported. The settings include the descriptions, each slot of the model's ports.
#include <algorithm>
#include <cstdint>
#include <span>

#include "device/config_file.h"
#include "device/eeprom_layout.h"
#include "fuzz_frames.h"
#include "pages/config/config_sections.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  constexpr size_t kEepromBytes = 2048;
  if (size > kEepromBytes) return 0;  // refused before anything is written
  // What a writer leaves: the file from offset 0, the rest as the EEPROM held it (here 0xFF).
  ConfigFileImage image;
  image.fill(0xFF);
  std::copy_n(data, std::min(size, image.size()), image.begin());
  const std::string_view name = ConfigModelName(image[kEepromModelByte] & kModelByteCodeBits);
  const ConfigOwner owner = FileOwner({name, image});
  // One reading of the image per input, picked by its length: a section of the settings, the
  // descriptions or the export. An input then costs one decoder's work, and across inputs every
  // decoder meets every kind of image.
  std::vector<NamedSetting> settings;
  switch (size % 7) {
    case 0:
      AddVlanSettings(settings, ImageFileRegisterValues(image), owner);
      break;
    case 1:
      AddQosSettings(settings, ImageFileRegisterValues(image), owner);
      break;
    case 2:
      AddPortSettings(settings, ImageFileRegisterValues(image), owner);
      break;
    case 3:
      AddMirrorSettings(settings, ImageFileRegisterValues(image), owner);
      break;
    case 4:
      AddGlobalSettings(settings, ImageFileRegisterValues(image));
      break;
    case 5:
      AddDescriptions(settings, image, owner.layout);
      break;
    default: {
      const std::vector<uint8_t> file = EncodeConfigFile(name, image);
      const auto back = DecodeAnyConfigFile(file);
      fuzz::Require(back && EncodeConfigFile(name, back->image) == file);
    }
  }
  return 0;
}
