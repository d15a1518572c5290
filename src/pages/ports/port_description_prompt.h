#pragma once

#include <optional>
#include <string>

namespace velkor {

// The dialog "端口描述" as the description logic sees it: it opens empty and gives the text the
// user confirmed (UTF-8, at most 8 GBK bytes), or none when the user cancelled.
class PortDescriptionPrompt {
 public:
  virtual ~PortDescriptionPrompt() = default;
  virtual std::optional<std::string> Ask() = 0;
};

}  // namespace velkor
