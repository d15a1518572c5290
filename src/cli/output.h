#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace velkor::cli {

// A flat record: printed as "key: value" lines, or as one JSON object.
using Field = std::pair<std::string, std::variant<std::string, int64_t, bool>>;
using Record = std::vector<Field>;

// Prints records either as plain text (a blank line between records) or as a JSON array (or a
// single object when asked for one).
class Output {
 public:
  Output(std::ostream& out, bool json) : out_(out), json_(json) {}
  void Object(const Record& record);
  void Array(const std::vector<Record>& records);
  // Text in a format of its own (the metrics exposition), printed as it is.
  void Raw(std::string_view text) { out_ << text; }
  // Hands what was printed to the pipe or file now, not when the buffer happens to fill.
  void Flush() { out_.flush(); }

 private:
  void Json(const Record& record);
  std::ostream& out_;
  bool json_;
};

std::string Hex(uint32_t value, int digits);
// s as a JSON string, quoted and escaped.
std::string JsonString(const std::string& s);

}  // namespace velkor::cli
