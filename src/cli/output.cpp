#include "cli/output.h"

#include <cstdio>

namespace velkor::cli {

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

namespace {
std::string Plain(const std::variant<std::string, int64_t, bool>& v) {
  if (auto s = std::get_if<std::string>(&v)) return *s;
  if (auto b = std::get_if<bool>(&v)) return *b ? "yes" : "no";
  return std::to_string(std::get<int64_t>(v));
}
}  // namespace

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

void Output::Json(const Record& record) {
  out_ << "{";
  for (size_t i = 0; i < record.size(); ++i) {
    const auto& [key, value] = record[i];
    out_ << (i ? ", " : "") << JsonString(key) << ": ";
    if (auto s = std::get_if<std::string>(&value))
      out_ << JsonString(*s);
    else if (auto b = std::get_if<bool>(&value))
      out_ << (*b ? "true" : "false");
    else
      out_ << std::get<int64_t>(value);
  }
  out_ << "}";
}

void Output::Object(const Record& record) {
  if (json_) {
    Json(record);
    out_ << "\n";
    return;
  }
  for (const auto& [key, value] : record) out_ << key << ": " << Plain(value) << "\n";
}

void Output::Array(const std::vector<Record>& records) {
  if (json_) {
    out_ << "[";
    for (size_t i = 0; i < records.size(); ++i) {
      out_ << (i ? ",\n " : "");
      Json(records[i]);
    }
    out_ << "]\n";
    return;
  }
  for (size_t i = 0; i < records.size(); ++i) {
    if (i) out_ << "\n";
    Object(records[i]);
  }
}

}  // namespace velkor::cli
