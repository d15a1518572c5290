#include "cli/reference/bash_completion.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/reference/synopsis_words.h"

namespace velkor::cli {
namespace {

// The options every command takes, and those of them that are followed by a value.
constexpr const char* kGlobalOptions = "--iface --switch --password --password-file --yes --json --help";
constexpr const char* kGlobalValueOptions[] = {"--iface", "--switch", "--password", "--password-file"};

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

// One case per option that takes a value: its choices, files, or nothing to offer.
void WriteValueCases(std::ostream& out, const std::vector<Command>& commands) {
  std::vector<std::string> seen(std::begin(kGlobalValueOptions), std::end(kGlobalValueOptions));
  for (const Command& command : commands) {
    for (const SynopsisOption& option : WordsOf(command).options) {
      if (!option.takesValue || std::find(seen.begin(), seen.end(), option.name) != seen.end()) continue;
      seen.push_back(option.name);
      out << "    " << option.name << ") ";
      if (option.takesFile) {
        out << "COMPREPLY=($(compgen -f -- \"$cur\")); ";
      } else if (!option.values.empty()) {
        out << "COMPREPLY=($(compgen -W \"" << Joined(option.values) << "\" -- \"$cur\")); ";
      }
      out << "return ;;\n";
    }
  }
}

void WriteCommandCases(std::ostream& out, const std::vector<Command>& commands) {
  for (const Command& command : commands) {
    const SynopsisWords words = WordsOf(command);
    std::vector<std::string> offered = words.keywords;
    for (const SynopsisOption& option : words.options) offered.push_back(option.name);
    out << "    " << command.name << ") words=\"" << Joined(offered) << "\"";
    if (words.takesFile) out << "; files=1";
    out << " ;;\n";
  }
}

}  // namespace

void WriteBashCompletion(std::ostream& out) {
  const std::vector<Command> commands = AllCommands();
  std::vector<std::string> names;
  for (const Command& command : commands) names.push_back(command.name);

  out << "# bash completion for velkorctl, made from its command table when it was built\n"
         "_velkorctl() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  COMPREPLY=()\n"
         "  case $prev in\n"
         "    --iface) COMPREPLY=($(compgen -W \"$(ls /sys/class/net 2>/dev/null)\" -- \"$cur\")); return "
         ";;\n"
         "    --password-file) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
         "    --switch|--password) return ;;\n";
  WriteValueCases(out, commands);
  out << "  esac\n"
         "  local command='' i\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    case ${COMP_WORDS[i]} in\n"
         "      --iface|--switch|--password|--password-file) ((i++)) ;;\n"
         "      -*) ;;\n"
         "      *) command=${COMP_WORDS[i]}; break ;;\n"
         "    esac\n"
         "  done\n"
         "  local global=\""
      << kGlobalOptions
      << "\"\n"
         "  if [ -z \"$command\" ]; then\n"
         "    COMPREPLY=($(compgen -W \""
      << Joined(names)
      << " help $global\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  local words='' files=''\n"
         "  case $command in\n"
         "    help) words=\""
      << Joined(names) << "\" ;;\n";
  WriteCommandCases(out, commands);
  out << "  esac\n"
         "  COMPREPLY=($(compgen -W \"$words $global\" -- \"$cur\"))\n"
         "  [ -n \"$files\" ] && COMPREPLY+=($(compgen -f -- \"$cur\"))\n"
         "  return 0\n"
         "}\n"
         "complete -F _velkorctl velkorctl\n";
}

}  // namespace velkor::cli
