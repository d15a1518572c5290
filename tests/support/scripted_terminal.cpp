#include "support/scripted_terminal.h"

#include "device/gbk_text.h"

namespace velkor::testing {

std::string ScriptedTerminal::Local(std::string_view utf8) const { return cli::InCharset(utf8, charset); }

std::string ScriptedTerminal::FromLocal(std::string_view local) const {
  return TextToUtf8({reinterpret_cast<const uint8_t*>(local.data()), local.size()}, charset.c_str());
}

}  // namespace velkor::testing
