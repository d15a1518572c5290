#include "device/prompter.h"

#include <array>
#include <optional>

#include "device/message_table.h"

namespace velkor {

namespace {

struct KindStyle {
  MessageIcon icon;
  std::optional<MessageId> caption;
};

// In the order of MessageKind.
constexpr std::array<KindStyle, 6> kStyles{{
    {MessageIcon::kError, MessageId::kCaptionError},
    {MessageIcon::kInformation, MessageId::kCaptionInformation},
    {MessageIcon::kWarning, MessageId::kCaptionFailure},
    {MessageIcon::kInformation, MessageId::kCaptionAttention},
    {MessageIcon::kQuestion, MessageId::kCaptionConfirm},
    {MessageIcon::kNone, std::nullopt},
}};

}  // namespace

Prompt MakePrompt(MessageKind kind, std::string_view text) {
  const KindStyle& style = kStyles[static_cast<size_t>(kind)];
  Prompt p;
  p.kind = kind;
  p.icon = style.icon;
  if (style.caption) p.caption = Message(*style.caption);
  p.text = text;
  return p;
}

Answer Prompter::ShowWithIcon(MessageKind kind, MessageIcon icon, std::string_view text) {
  Prompt p = MakePrompt(kind, text);
  p.icon = icon;
  return Show(p);
}

}  // namespace velkor
