#include "app/progress_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"

namespace velkor {
namespace {

TEST(ProgressDialogTest, BarShowsWithTheBusyCursorUntilTheRunEnds) {
  TProgressDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("请等待..."));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  auto* bar = dialog.findChild<QProgressBar*>();
  {
    std::unique_ptr<Progress> run = dialog.ShowProgress(5);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(bar->maximum(), 5);
    run->StepIt();
    run->StepIt();
    EXPECT_EQ(bar->value(), 2);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Ticks are clicks here, so the test never races a real timer on a loaded machine.
TEST(ProgressDialogTest, SpinnerClosesAfterItsTickLimitAndTurnsMeanwhile) {
  EXPECT_EQ(TProgressDlg(nullptr).findChild<QTimer*>()->interval(), 2000);
  TProgressDlg dialog(nullptr, 60'000);
  auto* label = dialog.findChild<QLabel*>();
  QStringList shown;
  QTimer::singleShot(0, [&] {
    for (int tick = 0; tick < 4 && dialog.isVisible(); ++tick) {
      shown << label->text();
      QTest::mouseClick(&dialog, Qt::LeftButton);
    }
  });
  dialog.StartSpinner("正在保存", 4, [] { return false; });
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(dialog.findChild<QProgressBar*>()->isVisibleTo(&dialog));
  EXPECT_EQ(shown, (QStringList{"正在保存-", "正在保存\\", "正在保存|", "正在保存/"}));
}

TEST(ProgressDialogTest, ClicksCountAsTicksButEscapeDoesNotEndTheWait) {
  TProgressDlg dialog(nullptr, 60'000);
  QTimer::singleShot(0, [&] {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(&dialog, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(&dialog, Qt::LeftButton);
  });
  QElapsedTimer elapsed;
  elapsed.start();
  dialog.StartSpinner("正在恢复", 2, [] { return false; });
  EXPECT_LT(elapsed.elapsed(), 10'000);
  EXPECT_FALSE(dialog.isVisible());
}

// A refresh timer and the window's rediscovery request, as a long operation must hold them back.
struct ProgramEvents {
  TForm1 window;
  QTimer refresh;
  int ticks = 0;
  int rediscoveries = 0;
  ProgramEvents() {
    window.SetHandlers({.rediscoverRequested = [this] { ++rediscoveries; }});
    QObject::connect(&refresh, &QTimer::timeout, [this] { ++ticks; });
    refresh.start(0);
  }
};

TEST(ProgressDialogTest, NothingOfTheProgramRunsBetweenTheStepsOfTheWork) {
  ProgramEvents program;
  TProgressDlg dialog;
  {
    std::unique_ptr<Progress> run = dialog.ShowProgress(2);
    program.window.PostRediscoverRequest();
    run->StepIt();
    run->StepIt();
    EXPECT_EQ(program.ticks, 0);
    EXPECT_EQ(program.rediscoveries, 0);
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(program.rediscoveries, 1) << "the request waited, and was not lost";
  EXPECT_GT(program.ticks, 0);
}

TEST(ProgressDialogTest, NothingOfTheProgramRunsUnderTheSpinner) {
  ProgramEvents program;
  TProgressDlg dialog(nullptr, 60'000);
  QTimer::singleShot(0, [&] {
    program.window.PostRediscoverRequest();
    QCoreApplication::processEvents();
    EXPECT_EQ(program.ticks, 0);
    EXPECT_EQ(program.rediscoveries, 0);
    QTest::mouseClick(&dialog, Qt::LeftButton);
  });
  dialog.StartSpinner("正在保存", 1, [] { return false; });
  QCoreApplication::processEvents();
  EXPECT_EQ(program.rediscoveries, 1);
}

}  // namespace
}  // namespace velkor
