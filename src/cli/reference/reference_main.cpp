// Writes velkorctl's reference texts at build time: the manual page and the bash completion script.
#include <fstream>
#include <iostream>
#include <string_view>

#include "cli/reference/bash_completion.h"
#include "cli/reference/man_page.h"

int main(int argc, char** argv) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  if (what == "man" && argc == 4) {
    std::ofstream out(argv[3]);
    velkor::cli::WriteManPage(out, argv[2]);
    return out ? 0 : 1;
  }
  if (what == "completion" && argc == 3) {
    std::ofstream out(argv[2]);
    velkor::cli::WriteBashCompletion(out);
    return out ? 0 : 1;
  }
  std::cerr << "usage: velkorctl-reference man VERSION FILE | completion FILE\n";
  return 2;
}
