#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

// Descriptions live in the EEPROM as GBK bytes; the program shows and edits UTF-8.

// The bytes up to the first zero, as UTF-8. A multibyte character cut off by the field's end is
// dropped and an invalid byte shows as '?', so a damaged field never garbles what follows.
std::string GbkToUtf8(std::span<const uint8_t> bytes);
// The same for bytes in charset. Should the system have no converter for it, ASCII still shows and
// every other byte is '?'.
std::string TextToUtf8(std::span<const uint8_t> bytes, const char* charset);

// The GBK bytes of text, or none when some character has no GBK form.
std::optional<std::vector<uint8_t>> Utf8ToGbk(std::string_view text);

// text in the character set charset (a terminal's, say), characters it lacks approximated or shown
// as '?'; text unchanged when the system cannot convert to charset at all.
std::string Utf8ToCharset(std::string_view text, const std::string& charset);

}  // namespace velkor
