#include "pages/ports/port_description_record.h"

#include <algorithm>

#include "device/gbk_text.h"

namespace velkor {

std::optional<PortDescriptionRecord> MakePortDescriptionRecord(std::string_view utf8) {
  const auto gbk = Utf8ToGbk(utf8);
  if (!gbk || gbk->size() > kPortDescriptionSize) return std::nullopt;
  // A zero byte would end the text early and hide what follows it.
  if (std::find(gbk->begin(), gbk->end(), uint8_t{0}) != gbk->end()) return std::nullopt;
  PortDescriptionRecord record{};
  std::copy(gbk->begin(), gbk->end(), record.begin());
  return record;
}

bool FitsPortDescription(std::string_view utf8) { return MakePortDescriptionRecord(utf8).has_value(); }

}  // namespace velkor
