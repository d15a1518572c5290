#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velkor::cli {

// The English meaning of message number, for terminals that cannot show its Chinese text; empty
// beyond the table.
std::string_view MessageEnglish(size_t number);

// UTF-8 text with every message of the table it contains replaced by "[N] English", for a
// character set that cannot show Chinese; what is left stays as it was.
std::string WithEnglishMessages(std::string_view utf8);

// A stable English keyword ("up", "no_limit") for a value that is one whole message of the table,
// so scripts never compare Chinese words; none for any other text.
std::optional<std::string> MessageKeyword(std::string_view utf8);

}  // namespace velkor::cli
