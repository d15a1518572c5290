#include "cli/reference/synopsis_words.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace velkor::cli {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

bool IsKeyword(const std::string& word) {
  return std::islower(static_cast<unsigned char>(word.front())) ||
         std::isdigit(static_cast<unsigned char>(word.front()));
}

void AddOnce(std::vector<std::string>& words, const std::string& word) {
  if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
}

// "on|off" gives both; placeholders such as "PORTS" or "FILE|-" give nothing.
std::vector<std::string> Choices(const std::string& token) {
  std::vector<std::string> choices;
  for (const std::string& word : Split(token, '|'))
    if (IsKeyword(word)) choices.push_back(word);
  return choices;
}

bool NamesFile(const std::string& token) { return token.find("FILE") != std::string::npos; }

}  // namespace

SynopsisParts PartsOf(const Command& command) {
  std::string text = command.synopsis;
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::string usage;
  bool space = false;
  for (char c : text) {
    if (c == ' ' && space) continue;
    space = c == ' ';
    usage += c;
  }
  SynopsisParts parts{usage, ""};
  // A note follows the usage after a gap of two spaces in the table, one once collapsed.
  const size_t note = usage.find(" (");
  if (note != std::string::npos && usage.back() == ')') {
    parts.usage = usage.substr(0, note);
    parts.note = usage.substr(note + 2, usage.size() - note - 3);
  }
  return parts;
}

SynopsisWords WordsOf(const Command& command) {
  // Brackets group optional parts, except when glued to a placeholder ("SECONDS[xCOUNT]").
  std::string usage;
  int glued = 0;
  for (char c : PartsOf(command).usage) {
    if (c == '[' && !usage.empty() && std::isalnum(static_cast<unsigned char>(usage.back())))
      ++glued;
    else if (c == ']' && glued > 0)
      --glued;
    else if (c == '[' || c == ']')
      c = ' ';
    usage += c;
  }
  const std::vector<std::string> tokens = Split(usage, ' ');

  SynopsisWords words;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    if (token.rfind("--", 0) == 0) {
      SynopsisOption option{token};
      const bool valueFollows =
          i + 1 < tokens.size() && tokens[i + 1] != "|" && tokens[i + 1].rfind("--", 0) != 0;
      if (valueFollows) {
        const std::string& value = tokens[++i];
        option.takesValue = true;
        option.takesFile = NamesFile(value);
        option.values = Choices(value);
      }
      if (std::none_of(words.options.begin(), words.options.end(),
                       [&](const SynopsisOption& o) { return o.name == option.name; }))
        words.options.push_back(option);
      continue;
    }
    if (NamesFile(token)) words.takesFile = true;
    for (const std::string& choice : Choices(token))
      if (choice != command.name) AddOnce(words.keywords, choice);
  }
  return words;
}

}  // namespace velkor::cli
