#pragma once

#include <string>
#include <string_view>

namespace velkor {

// The kinds of message box the program shows; each has its caption and usual icon.
enum class MessageKind {
  kError,        // "错误", error icon
  kInformation,  // "信息", information icon: the result of an operation
  kRefusal,      // "失败", warning icon: a change the rules do not allow
  kNotice,       // "注意", information icon unless the caller says otherwise
  kQuestion,     // "确认", question icon, Yes/No/Cancel
  kPlain,        // the engineering pages' English boxes: no caption of its own, no icon
};

enum class MessageIcon { kNone, kError, kInformation, kWarning, kQuestion };

enum class Answer { kOk, kYes, kNo, kCancel };

// One modal message box as it is to be shown.
struct Prompt {
  MessageKind kind = MessageKind::kPlain;
  MessageIcon icon = MessageIcon::kNone;
  std::string caption;
  std::string text;

  bool HasYesNoCancel() const { return kind == MessageKind::kQuestion; }
};

// The caption and icon that kind gives text.
Prompt MakePrompt(MessageKind kind, std::string_view text);

// Every message box of the program goes through here, so that tests script the answers and read
// what was shown, and the user-interface toolkit stays out of the device and page logic.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Show(const Prompt& prompt) = 0;

  void Error(std::string_view text) { Show(MakePrompt(MessageKind::kError, text)); }
  void Inform(std::string_view text) { Show(MakePrompt(MessageKind::kInformation, text)); }
  void Refuse(std::string_view text) { Show(MakePrompt(MessageKind::kRefusal, text)); }
  void Notice(std::string_view text) { Show(MakePrompt(MessageKind::kNotice, text)); }
  void Plain(std::string_view text) { Show(MakePrompt(MessageKind::kPlain, text)); }
  // Several boxes keep their kind's caption but carry another icon (an error caption over a warning
  // icon, the exit question's warning icon).
  Answer ShowWithIcon(MessageKind kind, MessageIcon icon, std::string_view text);
  // Only Yes proceeds; No, Cancel and closing the box do not.
  bool Confirm(std::string_view text, MessageIcon icon = MessageIcon::kQuestion) {
    return ShowWithIcon(MessageKind::kQuestion, icon, text) == Answer::kYes;
  }
};

}  // namespace velkor
