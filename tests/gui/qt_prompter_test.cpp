#include "app/qt_prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace velkor {
namespace {

// Shows prompt and presses answer in the box that comes up, noting what it offered.
Answer ShowAndAnswer(const Prompt& prompt, QMessageBox::StandardButton answer, QMessageBox::Icon* icon,
                     QMessageBox::StandardButtons* buttons) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    *icon = box->icon();
    *buttons = box->standardButtons();
    EXPECT_EQ(box->windowTitle(), QString::fromStdString(prompt.caption));
    EXPECT_EQ(box->text(), QString::fromStdString(prompt.text));
    box->button(answer)->click();
  });
  return QtPrompter(nullptr).Show(prompt);
}

TEST(QtPrompterTest, QuestionsOfferYesNoCancelAndOthersOk) {
  QMessageBox::Icon icon{};
  QMessageBox::StandardButtons buttons;

  EXPECT_EQ(ShowAndAnswer(MakePrompt(MessageKind::kQuestion, "确定吗？"), QMessageBox::No, &icon, &buttons),
            Answer::kNo);
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

  EXPECT_EQ(ShowAndAnswer(MakePrompt(MessageKind::kRefusal, "不行"), QMessageBox::Ok, &icon, &buttons),
            Answer::kOk);
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, QMessageBox::Ok);

  EXPECT_EQ(ShowAndAnswer(MakePrompt(MessageKind::kPlain, "Done"), QMessageBox::Ok, &icon, &buttons),
            Answer::kOk);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
}

}  // namespace
}  // namespace velkor
