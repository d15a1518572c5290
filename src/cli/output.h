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

class Terminal;

// Prints records either as plain text in the terminal's character set ("key: value" lines for one
// record, an aligned table with a row per record for a list) or as JSON (an array, or a single
// object when asked for one), whose values that are the program's words become English keywords.
class Output {
 public:
  Output(std::ostream& out, bool json, const Terminal* terminal = nullptr)
      : out_(out), json_(json), terminal_(terminal) {}
  void Object(const Record& record);
  void Array(const std::vector<Record>& records);
  // Text in a format of its own (the metrics exposition), printed as it is.
  void Raw(std::string_view text) {
    printed_ = true;
    out_ << text;
  }
  // Hands what was printed to the pipe or file now, not when the buffer happens to fill.
  void Flush() { out_.flush(); }
  // Whether anything was printed.
  bool Printed() const { return printed_; }

 private:
  void Json(const Record& record);
  std::string Text(const std::variant<std::string, int64_t, bool>& value) const;
  std::ostream& out_;
  bool json_;
  const Terminal* terminal_;
  bool printed_ = false;
};

std::string Hex(uint32_t value, int digits);
// s as a JSON string, quoted and escaped.
std::string JsonString(const std::string& s);
void AppendJsonString(std::string& out, std::string_view s);

}  // namespace velkor::cli
