#include "support/scripted_terminal.h"

#include "device/gbk_text.h"

namespace velkor::testing {

std::string ScriptedTerminal::Local(std::string_view utf8) const { return Utf8ToCharset(utf8, charset); }

}  // namespace velkor::testing
