#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "device/connection.h"
#include "device/outcome.h"
#include "device/prompter.h"
#include "transport/eeprom_blocks.h"

namespace velkor {

// The description field holds at most 20 GBK bytes before its terminator.
inline constexpr size_t kSwitchDescriptionBytes = 20;
// Shown once the description reads back as written.
inline constexpr const char* kDescriptionChanged = "修改成功";

// The longest start of text that fits the description field, as GBK bytes: characters without a
// GBK form are left out, and a character that would overrun the 20 bytes ends the text.
std::vector<uint8_t> FitSwitchDescription(std::string_view text);

// The group "交换机描述" of the page "交换机信息设置".
class SwitchDescriptionView {
 public:
  virtual ~SwitchDescriptionView() = default;
  virtual void Repaint() = 0;
  virtual void SetDescriptionText(const std::string& text) = 0;
  virtual std::string DescriptionText() const = 0;
};

// Shows and changes the connected switch's description, which lives in the EEPROM and needs no save.
class SwitchDescription {
 public:
  SwitchDescription(Connection& connection, EepromBlocks& blocks, Prompter& prompter, BusyIndicator& busy,
                    SwitchDescriptionView& view)
      : connection_(connection), blocks_(blocks), prompter_(prompter), busy_(busy), view_(view) {}

  // Shows the description as last read from the switch.
  void SwitchInfoConfigShow();
  // "修改": stores the edited description. kDone only when it reads back as written.
  Outcome Button7Click();

 private:
  Connection& connection_;
  EepromBlocks& blocks_;
  Prompter& prompter_;
  BusyIndicator& busy_;
  SwitchDescriptionView& view_;
};

}  // namespace velkor
