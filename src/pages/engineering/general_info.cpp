#include "pages/engineering/general_info.h"

#include <optional>
#include <string_view>

#include "device/identification_texts.h"

namespace velkor {

namespace {
void Overwrite(std::string& field, std::optional<std::string_view> text) {
  if (text) field = *text;
}
}  // namespace

void GeneralInfo::GeneralInfoPageShow() {
  const SwitchIdentifier& id = identifier_;
  // A family without a text has no model texts either: both fields stay.
  Overwrite(texts_[0], ChipFamilyText(id.ChipFamily()));
  Overwrite(texts_[1], ChipModelText(id.ChipFamily(), id.ChipModel()));
  Overwrite(texts_[2], PanelTypeText(id.PanelType()));
  texts_[3] = PresenceText(id.McuPresent());
  texts_[4] = PresenceText(id.EepromPresent());
  Overwrite(texts_[5], GigaPhyStatusText(id.GigaPhy1Status()));
  Overwrite(texts_[6], GigaPhyStatusText(id.GigaPhy2Status()));
}

}  // namespace velkor
