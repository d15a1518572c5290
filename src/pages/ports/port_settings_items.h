#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "pages/ports/port_settings_fields.h"

namespace velkor {

// One item of a setting sub-menu of the port pop-up: choosing it sets field bits mask to value
// (both given for an even chip port) on every selected row whose column does not already show text.
struct PortSettingItem {
  const char* handler;  // e.g. "RxBandwidth2MbpsClick"; also the menu action's object name
  PortColumn column;
  const char* text;  // the item's caption and the column text it produces
  PortField field;
  uint8_t mask;
  uint8_t value;
  bool visible;
};

// A sub-menu of the port pop-up, captioned like its column.
struct PortSubMenu {
  const char* name;  // e.g. "RXBandwidth1"
  PortColumn column;
  bool visible;
};

// Every setting item, grouped by column in menu order.
std::span<const PortSettingItem> PortSettingItems();
// The sub-menus and the description item, in menu order.
std::span<const PortSubMenu> PortSubMenus();
const char* ColumnCaption(PortColumn column);

// Advertising every mode, gigabit included; acts on the first selected row only.
inline constexpr PortSettingItem kFullGigabitItem{"AdvertisedSpeed1000MFullClick",
                                                  PortColumn::kSpeed,
                                                  kFullGigabitText,
                                                  PortField::kAdvertisement,
                                                  0x1F,
                                                  0x1F,
                                                  true};

// Whether item is the gigabit item. Told apart by the handler's name: the address of a string
// literal may differ from one translation unit to another.
inline bool IsFullGigabitItem(const PortSettingItem& item) {
  return std::string_view(item.handler) == kFullGigabitItem.handler;
}

}  // namespace velkor
