#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/terminal.h"

namespace velkor::testing {

// A terminal whose user answers from a script: the password for every secret prompt, and the
// queued replies for questions (none left: end of input). What was asked is kept.
class ScriptedTerminal : public cli::Terminal {
 public:
  bool interactive = true;
  std::optional<std::string> password;
  std::deque<std::string> replies;
  std::vector<std::string> prompts;
  std::string charset = "UTF-8";
  std::map<std::string, std::string> environment;

  bool Interactive() const override { return interactive; }
  std::optional<std::string> ReadLine(const std::string& prompt, bool secret) override {
    prompts.push_back(prompt);
    if (secret) return password;
    if (replies.empty()) return std::nullopt;
    std::string reply = replies.front();
    replies.pop_front();
    return reply;
  }
  std::string Local(std::string_view utf8) const override;
  std::string FromLocal(std::string_view local) const override;
  std::optional<std::string> Environment(const std::string& name) const override {
    const auto it = environment.find(name);
    return it == environment.end() ? std::nullopt : std::optional(it->second);
  }
};

}  // namespace velkor::testing
