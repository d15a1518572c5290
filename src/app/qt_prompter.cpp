#include "app/qt_prompter.h"

#include <QMessageBox>
#include <utility>

namespace velkor {
namespace {

constexpr std::pair<MessageIcon, QMessageBox::Icon> kIcons[] = {
    {MessageIcon::kError, QMessageBox::Critical},
    {MessageIcon::kInformation, QMessageBox::Information},
    {MessageIcon::kWarning, QMessageBox::Warning},
    {MessageIcon::kQuestion, QMessageBox::Question},
};

constexpr std::pair<int, Answer> kAnswers[] = {
    {QMessageBox::Yes, Answer::kYes},
    {QMessageBox::No, Answer::kNo},
    {QMessageBox::Cancel, Answer::kCancel},
};

template <typename Key, typename Value, size_t N>
Value Lookup(const std::pair<Key, Value> (&table)[N], Key key, Value fallback) {
  for (const auto& [k, v] : table) {
    if (k == key) return v;
  }
  return fallback;
}

}  // namespace

// Escape and the close button answer Cancel in a Yes/No/Cancel box and Ok in an Ok box.
Answer QtPrompter::Show(const Prompt& prompt) {
  const QMessageBox::StandardButtons buttons = prompt.HasYesNoCancel()
                                                   ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                                   : QMessageBox::StandardButtons(QMessageBox::Ok);
  QMessageBox box(Lookup(kIcons, prompt.icon, QMessageBox::NoIcon), QString::fromStdString(prompt.caption),
                  QString::fromStdString(prompt.text), buttons, parent_);
  const int answer = box.exec();
  // The handler that asked usually goes on to block the event loop: the box must not linger on it.
  if (parent_) parent_->repaint();
  return Lookup(kAnswers, answer, Answer::kOk);
}

}  // namespace velkor
