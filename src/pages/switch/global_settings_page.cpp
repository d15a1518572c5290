#include "pages/switch/global_settings_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "device/message_table.h"
#include "pages/message_text.h"
#include "pages/switch/radio_marks.h"

namespace velkor {

namespace {

constexpr const char* kCaptions[kGlobalControlCount] = {"广播流量控制", "多播流量控制", "广播风暴过滤",
                                                        "端口环路检测", "IGMP侦听"};
constexpr size_t kShownControls = 3;

struct HiddenGroup {
  const char* caption;
  const char* name;
  const char* disabledItem;
};
constexpr HiddenGroup kHiddenGroups[] = {
    {"全双工流量控制", "RadioGroup5", "Disabled"}, {"半双工流量控制", "RadioGroup6", "Diabled"},
    {"广播流量控制", "RadioGroup7", "Disabled"},   {"多播流量控制", "RadioGroup8", "Disabled"},
    {"广播风暴过滤", "RadioGroup9", "Disabled"},   {"环路端口检测", "RadioGroup10", "Disabled"},
    {"IGMP Snooping", "RadioGroup12", "Disabled"},
};

}  // namespace

GlobalSettingsPage::GlobalSettingsPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QGridLayout(this);
  for (size_t i = 0; i < kGlobalControlCount; ++i) {
    auto* group = new QGroupBox(QString::fromUtf8(kCaptions[i]), this);
    auto* row = new QHBoxLayout(group);
    const auto control = static_cast<GlobalControl>(i);
    for (size_t b = 0; b < 2; ++b) {
      auto* button = new QRadioButton(MessageText(b ? MessageId::kEnabled : MessageId::kDisabled), group);
      button->setObjectName(QStringLiteral("RadioButton%1").arg(2 * i + b + 1));
      connect(button, &QRadioButton::clicked, this, [this, control, b] { ControlClick(control, b == 1); });
      row->addWidget(button);
      buttons_[i][b] = button;
    }
    group->setVisible(i < kShownControls);
    layout->addWidget(group, static_cast<int>(i), 0);
  }
  for (const HiddenGroup& hidden : kHiddenGroups) {
    auto* group = new QGroupBox(QString::fromUtf8(hidden.caption), this);
    group->setObjectName(QString::fromUtf8(hidden.name));
    auto* row = new QHBoxLayout(group);
    auto* items = new QButtonGroup(group);
    const QString texts[] = {QString::fromUtf8(hidden.disabledItem), QStringLiteral("Enabled")};
    for (int b = 0; b < 2; ++b) {
      auto* item = new QRadioButton(texts[b], group);
      items->addButton(item, b);
      row->addWidget(item);
    }
    // Only IGMP snooping acts; the other groups' clicks change nothing.
    if (QStringLiteral("RadioGroup12") == hidden.name)
      connect(items, &QButtonGroup::idClicked, this,
              [this](int id) { ControlClick(GlobalControl::kIgmpSnooping, id == 1); });
    group->setVisible(false);
    layout->addWidget(group);
  }
  layout->setRowStretch(layout->rowCount(), 1);
}

void GlobalSettingsPage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  Show(logic_->State());
}

void GlobalSettingsPage::Show(const GlobalState& state) {
  for (size_t i = 0; i < kGlobalControlCount; ++i) {
    MarkRadio(buttons_[i][0], state[i] == false);
    MarkRadio(buttons_[i][1], state[i] == true);
  }
}

void GlobalSettingsPage::ControlClick(GlobalControl control, bool on) {
  if (!logic_) return;
  logic_->Set(control, on);
  Show(logic_->State());
}

}  // namespace velkor
