#include "app/progress_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/shell_font.h"

namespace velkor {

// One bar-mode run: the dialog stays up with the busy cursor for the object's lifetime.
class TProgressDlg::BarRun : public Progress {
 public:
  BarRun(TProgressDlg& dialog, int maximum) : dialog_(dialog) {
    dialog_.label_->hide();
    dialog_.bar_->setRange(0, maximum);
    dialog_.bar_->setValue(0);
    dialog_.bar_->show();
    dialog_.show();
    dialog_.busy_.Begin();
    Repaint();
  }
  ~BarRun() override {
    dialog_.busy_.End();
    dialog_.hide();
  }

  void StepIt() override {
    dialog_.bar_->setValue(dialog_.bar_->value() + 1);
    Repaint();
  }

 private:
  // User input waits until the work is done: a click handled in the middle of an EEPROM write
  // would start another switch operation inside this one.
  static void Repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

  TProgressDlg& dialog_;
};

TProgressDlg::TProgressDlg(QWidget* parent, int tickMs)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      timer_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("请等待..."));
  setFont(ShellFont());
  bar_->setTextVisible(false);
  label_->setMinimumWidth(300);
  bar_->setMinimumWidth(300);
  timer_->setInterval(tickMs);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(timer_, &QTimer::timeout, this, &TProgressDlg::Tick);
  EventHold::KeepTicking(timer_);
}

std::unique_ptr<Progress> TProgressDlg::ShowProgress(int maximum) {
  return std::make_unique<BarRun>(*this, maximum);
}

void TProgressDlg::StartSpinner(const std::string& message, int limit,
                                const std::function<bool()>& finished) {
  spinner_.Start(message, limit);
  finished_ = finished;
  bar_->hide();
  label_->setText(QString::fromStdString(spinner_.Label()));
  label_->show();
  timer_->start();
  hold_.Begin();
  exec();
  hold_.End();
  finished_ = nullptr;
}

// The work usually ends long before the limit, and then so does the wait.
void TProgressDlg::Tick() {
  if (spinner_.Tick() && !(finished_ && finished_())) {
    label_->setText(QString::fromStdString(spinner_.Label()));
  } else {
    timer_->stop();
    accept();
  }
}

void TProgressDlg::reject() {}

// The window manager's close (Alt+F4) is refused like Escape; only the work or the spinner ends it.
void TProgressDlg::closeEvent(QCloseEvent* event) {
  if (event->spontaneous()) {
    event->ignore();
  } else {
    QDialog::closeEvent(event);
  }
}

void TProgressDlg::mousePressEvent(QMouseEvent* event) {
  if (timer_->isActive()) Tick();
  QDialog::mousePressEvent(event);
}

}  // namespace velkor
