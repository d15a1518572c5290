#include "pages/switch/save_reset_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "device/model.h"
#include "pages/switch/switch_info_page.h"

namespace velkor {
namespace {

template <class T>
T* Child(QWidget& page, const char* name) {
  T* child = page.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(SaveResetPageTest, ButtonsReachTheirHandlersAndTheBenchControlsStayHidden) {
  SaveResetPage page;
  std::vector<std::string> clicks;
  page.SetHandlers({.factoryResetClicked = [&] { clicks.push_back("reset"); },
                    .saveClicked = [&] { clicks.push_back("save"); },
                    .softResetClicked = [&] { clicks.push_back("soft"); },
                    .disconnectClicked = [&] { clicks.push_back("disconnect"); }});
  page.show();
  for (const char* name : {"Button5", "Button24", "DisConnectBtn"})
    QTest::mouseClick(Child<QPushButton>(page, name), Qt::LeftButton);
  EXPECT_EQ(clicks, (std::vector<std::string>{"reset", "save", "disconnect"}));

  EXPECT_EQ(Child<QPushButton>(page, "Button5")->text(), "恢复出厂设置");
  EXPECT_EQ(Child<QPushButton>(page, "Button24")->text(), "保存设置");
  EXPECT_EQ(Child<QPushButton>(page, "DisConnectBtn")->text(), "断开连接");
  QPushButton* soft = Child<QPushButton>(page, "Button19");
  EXPECT_EQ(soft->text(), "软复位");
  EXPECT_FALSE(soft->isVisible() || soft->isEnabled());
  for (const char* name : {"DumpEeprom", "DumpReg"}) {
    QPushButton* bench = Child<QPushButton>(page, name);
    EXPECT_FALSE(bench->isVisible() || bench->isEnabled()) << name;
  }
  QLineEdit* file = Child<QLineEdit>(page, "ImageFileName");
  EXPECT_EQ(file->text(), "Image.bin");
  EXPECT_FALSE(file->isVisible());
}

TEST(SaveResetPageTest, CaptionMentionsThePasswordOnlyForModelsThatHaveOne) {
  SaveResetPage page;
  QGroupBox* group = Child<QGroupBox>(page, "SaveGroup");
  EXPECT_EQ(group->title(), "恢复与保存设置（这些操作不会改变交换机的连接密码）");
  static_cast<Page&>(page).Connected(PortLayout{}, kModelG26A);
  EXPECT_EQ(group->title(), "恢复与保存设置");
  static_cast<Page&>(page).Connected(PortLayout{}, kModelF16A);
  EXPECT_EQ(group->title(), "恢复与保存设置（这些操作不会改变交换机的连接密码）");
}

TEST(SwitchInfoPageTest, EditKeepsWhatTheSwitchCanStoreAndChangeReachesItsHandler) {
  SwitchInfoPage page;
  int changes = 0;
  page.SetChangeHandler([&] { ++changes; });
  page.show();
  EXPECT_EQ(Child<QGroupBox>(page, "DescriptionGroup")->title(), "交换机描述");
  QLineEdit* edit = Child<QLineEdit>(page, "Edit1");
  // Typed one character at a time, as an input method delivers them.
  for (QChar c : QString::fromUtf8("机房一号机柜上层交换机左侧")) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &key);
  }
  EXPECT_EQ(page.DescriptionText(), "机房一号机柜上层交换");
  QTest::mouseClick(Child<QPushButton>(page, "Button7"), Qt::LeftButton);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Child<QPushButton>(page, "Button7")->text(), "修改");

  page.SetDescriptionText("lab");
  EXPECT_EQ(edit->text(), "lab");
}

}  // namespace
}  // namespace velkor
