#pragma once

#include <QDialog>

#include "app/busy_cursor.h"
#include "app/event_hold.h"
#include "device/progress_ui.h"
#include "device/spinner.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace velkor {

// "请等待...": a bar that long EEPROM work steps, or a modal spinner that closes after its ticks.
// The user cannot close it; it ends when the work or the spinner does. While it is up, the
// program's timers and posted events wait.
class TProgressDlg : public QDialog, public ProgressUi {
  Q_OBJECT

 public:
  // tickMs is the spinner's period; tests shorten it.
  explicit TProgressDlg(QWidget* parent = nullptr, int tickMs = Spinner::kTickMs);

  std::unique_ptr<Progress> ShowProgress(int maximum) override;
  void StartSpinner(const std::string& message, int limit, const std::function<bool()>& finished) override;

  // Escape does not end the wait.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  class BarRun;

  void Tick();

  QLabel* label_;
  QProgressBar* bar_;
  QTimer* timer_;
  Spinner spinner_;
  std::function<bool()> finished_;
  BusyCursor busy_;
  EventHold hold_;
};

}  // namespace velkor
