// Configuration files come from wherever the user picked them: any bytes must decode to settings
// or be refused, never read past what the file holds.
#include <cstdint>
#include <span>

#include "device/config_file.h"
#include "pages/config/config_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  if (const auto file = DecodeAnyConfigFile(std::span(data, size)))
    ConfigSettings(file->image, FileOwner(*file));
  return 0;
}
