#include "pages/switch/switch_description.h"

#include <algorithm>
#include <array>

#include "device/gbk_text.h"
#include "pages/switch/unanswered_report.h"

namespace velkor {

namespace {
// The length of the UTF-8 sequence that starts with lead; a stray byte counts as one.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}
}  // namespace

std::vector<uint8_t> FitSwitchDescription(std::string_view text) {
  std::vector<uint8_t> bytes;
  for (size_t at = 0; at < text.size();) {
    const size_t length = std::min(SequenceLength(static_cast<unsigned char>(text[at])), text.size() - at);
    const auto character = Utf8ToGbk(text.substr(at, length));
    at += length;
    // A zero byte would end the text early on the switch.
    if (!character || character->empty() || character->front() == 0) continue;
    if (bytes.size() + character->size() > kSwitchDescriptionBytes) break;
    bytes.insert(bytes.end(), character->begin(), character->end());
  }
  return bytes;
}

void SwitchDescription::SwitchInfoConfigShow() {
  view_.Repaint();
  if (!connection_.CheckConnection()) return;
  view_.SetDescriptionText(GbkToUtf8(blocks_.Cache().switchDescription));
  view_.Repaint();
}

Outcome SwitchDescription::Button7Click() {
  std::array<uint8_t, kSwitchDescriptionWritten> field{};
  const std::vector<uint8_t> text = FitSwitchDescription(view_.DescriptionText());
  std::copy(text.begin(), text.end(), field.begin());
  busy_.Begin();
  const int stored = blocks_.WriteSwitchDescription(field);
  busy_.End();
  if (stored != 0) return ReportUnanswered(connection_, prompter_, Outcome::kNotVerified);
  prompter_.Inform(kDescriptionChanged);
  return Outcome::kDone;
}

}  // namespace velkor
