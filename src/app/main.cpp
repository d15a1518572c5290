#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/busy_cursor.h"
#include "app/config_file_dialogs.h"
#include "app/connect_switch_dialog.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/progress_dialog.h"
#include "app/qt_prompter.h"
#include "app/qt_translations.h"
#include "app/wait_cursor_clock.h"
#include "pages/message_text.h"
#include "pages/ports/port_description_dialog.h"
#include "transport/pcap_backend.h"

// RunApplication: the window and its dialogs are created once and live for the whole run.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application's own name; a display name would be appended to every window caption.
  QApplication::setApplicationName(QStringLiteral("Brevane") +
                                   velkor::MessageText(velkor::MessageId::kVersionCaption));
  const auto qtTexts = velkor::InstallQtChineseTexts();

  velkor::TForm1 window;
  velkor::TConnectSwitch connectDialog(&window);
  velkor::TProgressDlg progressDialog(&window);
  velkor::QtPrompter prompter(&window);
  velkor::BusyCursor busy;
  velkor::TPortDescription portDescriptionDialog(&window);
  velkor::QtConfigFileDialogs configFileDialogs(&window);

  velkor::PcapBackend backend;
  velkor::SystemClock systemClock;
  velkor::WaitCursorClock clock(systemClock);
  velkor::TransportSession transport(backend, clock, std::cerr, busy);
  // The adapter list is the one thing the program cannot run without.
  velkor::Program program(window, transport,
                          {prompter, connectDialog, progressDialog, portDescriptionDialog, configFileDialogs},
                          busy, [] { std::exit(1); });
  program.Start();
  return app.exec();
}
