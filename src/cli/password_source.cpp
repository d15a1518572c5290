#include "cli/password_source.h"

#include <fstream>
#include <iostream>

namespace velkor::cli {

namespace {

PasswordText FromStream(std::istream& in, const std::string& path) {
  std::string line;
  if (!std::getline(in, line)) return {std::nullopt, "cannot read a password from " + path};
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::string more;
  if (std::getline(in, more))
    return {std::nullopt, path + " holds more than one line; the password is its only line"};
  return {line, {}};
}

}  // namespace

PasswordText ReadPasswordFile(const std::string& path) {
  if (path == "-") return FromStream(std::cin, "standard input");
  std::ifstream file(path);
  if (!file) return {std::nullopt, "cannot read " + path};
  return FromStream(file, path);
}

PasswordText LoginPassword(const Arguments& args, const Terminal& terminal) {
  if (auto given = args.Value("password")) return {std::move(given), {}};
  if (const auto path = args.Value("password-file")) return ReadPasswordFile(*path);
  return {terminal.Environment("VELKOR_PASSWORD"), {}};
}

}  // namespace velkor::cli
