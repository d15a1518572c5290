#include "cli/output.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "cli/message_english.h"
#include "cli/output_table.h"
#include "cli/terminal.h"

namespace velkor::cli {

void AppendJsonString(std::string& out, std::string_view s) {
  const auto needsEscape = [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c == '"' || c == '\\' || c < 0x20;
  };
  out += '"';
  // Runs of characters that need no escape are copied whole.
  auto plain = s.begin();
  for (auto at = std::find_if(plain, s.end(), needsEscape); at != s.end();
       at = std::find_if(plain, s.end(), needsEscape)) {
    out.append(plain, at);
    plain = at + 1;
    const auto c = static_cast<unsigned char>(*at);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    }
  }
  out.append(plain, s.end());
  out += '"';
}

std::string JsonString(const std::string& s) {
  std::string out;
  out.reserve(s.size() + 2);
  AppendJsonString(out, s);
  return out;
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

// A record is one line of JSON, put together before it goes out: a stream would take it in
// hundreds of small pieces.
void Output::Json(const Record& record) {
  std::string line = "{";
  for (size_t i = 0; i < record.size(); ++i) {
    const auto& [key, value] = record[i];
    if (i) line += ", ";
    AppendJsonString(line, key);
    line += ": ";
    if (auto s = std::get_if<std::string>(&value)) {
      const auto keyword = MessageKeyword(*s);
      AppendJsonString(line, keyword ? *keyword : *s);
    } else if (auto b = std::get_if<bool>(&value)) {
      line += *b ? "true" : "false";
    } else {
      line += std::to_string(std::get<int64_t>(value));
    }
  }
  out_ << line << "}";
}

std::string Output::Text(const std::variant<std::string, int64_t, bool>& value) const {
  return terminal_ ? terminal_->Local(Plain(value)) : Plain(value);
}

void Output::Object(const Record& record) {
  printed_ = true;
  if (json_) {
    Json(record);
    out_ << "\n";
    return;
  }
  std::string lines;
  for (const auto& [key, value] : record) {
    lines += key;
    lines += ": ";
    lines += Text(value);
    lines += '\n';
  }
  out_ << lines;
}

void Output::Array(const std::vector<Record>& records) {
  printed_ = true;
  if (json_) {
    out_ << "[";
    for (size_t i = 0; i < records.size(); ++i) {
      out_ << (i ? ",\n " : "");
      Json(records[i]);
    }
    out_ << "]\n";
    return;
  }
  if (records.empty()) return;
  // The columns of every record, in the order they first appear; a record without one shows "-".
  std::vector<std::string> header;
  for (const Record& record : records)
    for (const auto& field : record)
      if (std::find(header.begin(), header.end(), field.first) == header.end()) header.push_back(field.first);
  std::vector<std::vector<std::string>> rows;
  for (const Record& record : records) {
    std::vector<std::string>& row = rows.emplace_back(header.size(), "-");
    for (const auto& [key, value] : record)
      row[static_cast<size_t>(std::find(header.begin(), header.end(), key) - header.begin())] = Text(value);
  }
  for (std::string& title : header)
    std::transform(title.begin(), title.end(), title.begin(),
                   [](unsigned char ch) { return std::toupper(ch); });
  PrintTable(out_, header, rows);
}

}  // namespace velkor::cli
