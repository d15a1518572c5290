#include "pages/ports/port_settings_items.h"

namespace velkor {

namespace {

using C = PortColumn;
using F = PortField;

// An advertised mode also advertises every slower one; the pause bits stay. Both pause items clear
// the second pause bit. The 128 Kbps limits work but are not offered.
constexpr PortSettingItem kItems[] = {
    {"EnabledYesClick", C::kSwitch, "打开", F::kPortOff, 0x01, 0x00, true},
    {"EnabledNoClick", C::kSwitch, "关闭", F::kPortOff, 0x01, 0x01, true},
    {"RxBandwidthNoLimitClick", C::kRx, "无限制", F::kBandwidth, 0x07, 0x00, true},
    {"RxBandwidth128KbpsClick", C::kRx, "128 Kbps", F::kBandwidth, 0x07, 0x01, false},
    {"RxBandwidth256KbpsClick", C::kRx, "256 Kbps", F::kBandwidth, 0x07, 0x02, true},
    {"RxBandwidth512KbpsClick", C::kRx, "512 Kbps", F::kBandwidth, 0x07, 0x03, true},
    {"RxBandwidth1MbpsClick", C::kRx, "1 Mbps", F::kBandwidth, 0x07, 0x04, true},
    {"RxBandwidth2MbpsClick", C::kRx, "2 Mbps", F::kBandwidth, 0x07, 0x05, true},
    {"RxBandwidth4MbpsClick", C::kRx, "4 Mbps", F::kBandwidth, 0x07, 0x06, true},
    {"RxBandwidth8MbpsClick", C::kRx, "8 Mbps", F::kBandwidth, 0x07, 0x07, true},
    {"TxBandwidthNoLimitClick", C::kTx, "无限制", F::kBandwidth, 0x70, 0x00, true},
    {"TxBandwidth128KbpsClick", C::kTx, "128 Kbps", F::kBandwidth, 0x70, 0x10, false},
    {"TxBandwidth256KbpsClick", C::kTx, "256 Kbps", F::kBandwidth, 0x70, 0x20, true},
    {"TxBandwidth512KbpsClick", C::kTx, "512 Kbps", F::kBandwidth, 0x70, 0x30, true},
    {"TxBandwidth1MbpsClick", C::kTx, "1 Mbps", F::kBandwidth, 0x70, 0x40, true},
    {"TxBandwidth2MbpsClick", C::kTx, "2 Mbps", F::kBandwidth, 0x70, 0x50, true},
    {"TxBandwidth4MbpsClick", C::kTx, "4 Mbps", F::kBandwidth, 0x70, 0x60, true},
    {"TxBandwidth8MbpsClick", C::kTx, "8 Mbps", F::kBandwidth, 0x70, 0x70, true},
    {"AdvertisedSpeed10MHalfClick", C::kSpeed, "10M Half", F::kAdvertisement, 0x1F, 0x01, true},
    {"AdvertisedSpeed10MFullClick", C::kSpeed, "10M Full", F::kAdvertisement, 0x1F, 0x03, true},
    {"AdvertisedSpeed100MHalfClick", C::kSpeed, "100M Half", F::kAdvertisement, 0x1F, 0x07, true},
    {"AdvertisedSpeed100MFullClick", C::kSpeed, "100M Full", F::kAdvertisement, 0x1F, 0x0F, true},
    {"PauseFlowControlDisabledClick", C::kFlow, "禁止", F::kAdvertisement, 0x60, 0x00, true},
    {"PauseFlowControlBothTXRXClick", C::kFlow, "启用", F::kAdvertisement, 0x60, 0x20, true},
};

constexpr PortSubMenu kSubMenus[] = {
    {"Enabled1", C::kSwitch, false},  {"RXBandwidth1", C::kRx, true},        {"TXBandwidth1", C::kTx, true},
    {"Advertised1", C::kSpeed, true}, {"PauseFlowControl1", C::kFlow, true}, {"Trunking1", C::kTrunk, false},
    {"N1", C::kDescription, true},
};

constexpr const char* kCaptions[kPortColumnCount] = {
    "端口开关", "RX带宽", "TX带宽", "协商速度/双工", "802.3x 流量控制", "端口汇聚", "端口描述",
};

}  // namespace

std::span<const PortSettingItem> PortSettingItems() { return kItems; }

std::span<const PortSubMenu> PortSubMenus() { return kSubMenus; }

const char* ColumnCaption(PortColumn column) { return kCaptions[static_cast<size_t>(column)]; }

}  // namespace velkor
