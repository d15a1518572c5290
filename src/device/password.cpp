#include "device/password.h"

#include <algorithm>

#include "device/gbk_text.h"
#include "transport/eeprom_blocks.h"

namespace velkor {

namespace {

// A GBK lead byte starts a two-byte character; every other byte is a character of its own.
size_t GbkCharacterSize(uint8_t lead) { return lead >= 0x81 && lead <= 0xFE ? 2 : 1; }

}  // namespace

std::optional<std::vector<uint8_t>> PasswordBytes(std::string_view typed) {
  auto gbk = Utf8ToGbk(typed);
  if (!gbk) return std::nullopt;
  size_t kept = 0;
  while (kept < gbk->size()) {
    const size_t next = kept + GbkCharacterSize((*gbk)[kept]);
    if (next > kPasswordSize) break;
    kept = next;
  }
  gbk->resize(kept);
  return gbk;
}

bool PasswordMatches(std::string_view typed, std::span<const uint8_t> stored) {
  const auto bytes = PasswordBytes(typed);
  if (!bytes) return false;
  const auto end = std::find(stored.begin(), stored.end(), uint8_t{0});
  return std::equal(bytes->begin(), bytes->end(), stored.begin(), end);
}

}  // namespace velkor
