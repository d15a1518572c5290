#include "device/listed_descriptions.h"

#include <algorithm>

namespace velkor {

void ListedDescriptions::Add(const Mac& mac, std::span<const uint8_t, kSwitchDescriptionRead> text,
                             uint64_t readAtUs) {
  Reading reading{mac, {}, readAtUs};
  std::copy(text.begin(), text.end(), reading.text.begin());
  readings_.push_back(reading);
}

std::optional<SwitchDescriptionBytes> ListedDescriptions::Take(const Mac& mac, uint64_t nowUs) {
  std::optional<SwitchDescriptionBytes> fresh;
  for (const Reading& r : readings_)
    if (r.mac == mac && nowUs >= r.readAtUs && nowUs - r.readAtUs <= kFreshUs) fresh = r.text;
  readings_.clear();
  return fresh;
}

}  // namespace velkor
