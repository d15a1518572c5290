#include "pages/engineering/c_number.h"

#include <cstdlib>
#include <string>

namespace velkor {

uint32_t ParseCNumber(std::string_view text, int base) {
  const std::string terminated(text);
  return static_cast<uint32_t>(std::strtoll(terminated.c_str(), nullptr, base));
}

}  // namespace velkor
