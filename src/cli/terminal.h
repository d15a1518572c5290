#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkor::cli {

// The user's terminal, behind a seam so tests script the answers: whether someone is there to ask,
// reading an answer, and the character set messages are printed in.
class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual bool Interactive() const = 0;
  // Shows prompt and reads one line, without echo when secret; none at end of input.
  virtual std::optional<std::string> ReadLine(const std::string& prompt, bool secret) = 0;
  // UTF-8 text as the terminal shows it.
  virtual std::string Local(std::string_view utf8) const = 0;
  // Text the user gave in the terminal's character set (typed, or on the command line), as UTF-8.
  virtual std::string FromLocal(std::string_view local) const = 0;
  // The process environment's variable name, or none when it is not set.
  virtual std::optional<std::string> Environment(const std::string& name) const;
};

// UTF-8 text in charset; messages the character set cannot show are given as their number and
// English meaning instead of question marks.
std::string InCharset(std::string_view utf8, const std::string& charset);

// Standard input and error of the process, in the locale's character set.
class SystemTerminal : public Terminal {
 public:
  SystemTerminal();
  bool Interactive() const override;
  std::optional<std::string> ReadLine(const std::string& prompt, bool secret) override;
  std::string Local(std::string_view utf8) const override;
  std::string FromLocal(std::string_view local) const override;

 private:
  std::string charset_;
};

// No one to ask: questions are answered No and passwords come only from the command line.
class NoTerminal : public Terminal {
 public:
  bool Interactive() const override { return false; }
  std::optional<std::string> ReadLine(const std::string&, bool) override { return std::nullopt; }
  std::string Local(std::string_view utf8) const override { return std::string(utf8); }
  std::string FromLocal(std::string_view local) const override { return std::string(local); }
};

}  // namespace velkor::cli
