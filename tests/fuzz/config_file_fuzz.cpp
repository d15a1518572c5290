// Configuration files come from wherever the user picked them: any bytes must decode to settings
// or be refused, never read past what the file holds.
#include <cstdint>
#include <span>

#include "device/config_file.h"
#include "device/config_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  if (const auto image = DecodeAnyConfigFile(std::span(data, size))) ConfigSettings(*image);
  return 0;
}
